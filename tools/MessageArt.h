#pragma once

#include "ArtInks.h"

#include <string>

// The icons of the messages and contacts: a letter in each of its states,
// the input mode label, and the kinds of a contact's number.
class MessageArt {
public:
    using Bytes = ArtInks::Bytes;
    enum class MessageIcon { Unread, Read, Sent, Draft, Outbox };
    enum class ContactIcon { Mobile, Home, Work, Email, Group };

    explicit MessageArt(const ArtInks& inks) : ink(inks) {}

    Bytes messageIcon(MessageIcon icon) const;
    Bytes inputMode(const std::string& label) const;
    Bytes contactIcon(ContactIcon icon) const;

private:
    const ArtInks& ink;
};
