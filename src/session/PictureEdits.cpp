#include "session/PictureEdits.h"

#include "document/SkinModel.h"
#include "pictures/Picture.h"

#include <QSize>

namespace pictureedits {

namespace {

QSize decodedSize(const std::vector<std::uint8_t>& bytes)
{
    Picture decoded;
    decoded.loadFromBytes(bytes);
    return QSize(decoded.width(), decoded.height());
}

} // namespace

GiveBack giveBackPicture(SkinModel& model, ElementId id)
{
    std::vector<std::uint8_t> own;
    if (model.edited().getPicture(id, own) < 0)
        return GiveBack::NotOwn;
    std::vector<std::uint8_t> original;
    model.defaults().getPicture(id, original);
    if (decodedSize(own) != decodedSize(original))
        return GiveBack::OtherSize;
    model.removeRecord(RecordType::Picture, id);
    return GiveBack::GivenBack;
}

} // namespace pictureedits
