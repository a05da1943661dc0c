// Writes velaskin-cli's manual page (roff) or its bash completion from the
// tool's own table of commands, at build time:
//   make_cli_docs man VERSION OUT
//   make_cli_docs bash OUT

#include "cli/CommandTable.h"

#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <string_view>

namespace {

// Text as roff shows it: backslashes and hyphens escaped, no line taken for a request.
std::string roff(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        if (c == '\\')
            out += "\\e";
        else if (c == '-')
            out += "\\-";
        else
            out += c;
    }
    if (!out.empty() && (out.front() == '.' || out.front() == '\''))
        out.insert(0, "\\&");
    return out;
}

std::string manualPage(std::string_view version)
{
    std::ostringstream out;
    out << ".TH VELASKIN-CLI 1 \"December 2026\" \"VelaSkin " << roff(version) << "\" \"User Commands\"\n"
        << ".nh\n.ad l\n"
        << ".SH NAME\nvelaskin\\-cli \\- read, change, check and draw phone skins from scripts\n"
        << ".SH SYNOPSIS\n";
    for (const cli::CommandHelp& command : cli::commandTable())
        out << ".SY velaskin\\-cli\n.B " << roff(command.name) << "\n" << roff(command.synopsis) << "\n.YS\n";
    out << ".SY velaskin\\-cli\n.RI [ COMMAND ]\n\\-\\-help\n.YS\n"
        << ".SH DESCRIPTION\n"
        << ".B velaskin\\-cli\nworks on the same skins as the editor\n.BR velaskin (1),\n"
        << "with the same libraries, and needs no display.\n"
        << "A skin is a\n.I .ski\nfile of typed records with picture data files beside it\n"
        << ".RI ( NAME.dat ,\n.IR NAME1.dat \", ...).\"\n"
        << "Values go to standard output, errors to standard error as one line\n"
        << ".RB \\(lq velaskin\\-cli: \" ...\\(rq.\"\n"
        << ".PP\n" << roff(cli::usageEpilogue().substr(0, cli::usageEpilogue().find('\n'))) << "\n"
        << "A command that changes a skin holds a lock beside it\n.RI ( .NAME.ski.lock )\n"
        << "from loading to saving, and a save replaces the skin file and its data files all or nothing.\n"
        << ".SH COMMANDS\n";
    for (const cli::CommandHelp& command : cli::commandTable()) {
        out << ".TP\n.B " << roff(command.name) << " \\fR" << roff(command.synopsis) << "\\fP\n"
            << roff(command.summary) << "\n";
        if (!command.notes.empty()) {
            out << ".RS\n.nf\n";
            std::string_view notes = command.notes;
            while (!notes.empty()) {
                const std::size_t end = notes.find('\n');
                out << roff(notes.substr(0, end)) << "\n";
                notes = end == std::string_view::npos ? std::string_view{} : notes.substr(end + 1);
            }
            out << ".fi\n.RE\n";
        }
        if (!command.options.empty()) {
            out << ".RS\n";
            for (const cli::OptionHelp& option : command.options) {
                out << ".TP\n.B " << roff(option.name);
                if (!option.argument.empty())
                    out << " \\fI" << roff(option.argument) << "\\fP";
                out << "\n" << roff(option.text) << "\n";
            }
            out << ".RE\n";
        }
    }
    out << ".SH \"EXIT STATUS\"\n";
    for (const cli::ExitCodeHelp& exit : cli::exitCodeTable())
        out << ".TP\n.B " << exit.code << "\n" << roff(exit.text) << "\n";
    out << ".SH ENVIRONMENT\n.TP\n.B VELASKIN_LOCK_WAIT\n"
        << "How many milliseconds a command waits for another program that holds the skin's lock "
        << "(10000 when unset): a command that changes the skin then exits with 3, one that only reads it "
        << "with 2.\n"
        << ".SH \"SEE ALSO\"\n.BR velaskin (1)\n";
    return out.str();
}

std::string completion()
{
    std::set<std::string> firstWords;
    std::ostringstream options;
    for (const cli::CommandHelp& command : cli::commandTable()) {
        const std::string name(command.name);
        firstWords.insert(name.substr(0, name.find(' ')));
        options << "        \"" << name << "\") options=\"--help";
        for (const cli::OptionHelp& option : command.options)
            options << ' ' << option.name;
        options << "\" ;;\n";
    }
    std::string subcommands;
    for (const cli::CommandHelp& command : cli::commandTable()) {
        const std::string_view name = command.name;
        if (name.starts_with("picture "))
            subcommands += std::string(subcommands.empty() ? "" : " ") + std::string(name.substr(8));
    }
    std::string commands;
    for (const std::string& word : firstWords)
        commands += (commands.empty() ? "" : " ") + word;

    std::ostringstream out;
    out << "# bash completion for velaskin-cli, made from the tool's own table of commands\n"
        << "_velaskin_cli()\n{\n"
        << "    local cur prev words cword\n"
        << "    _init_completion || return\n"
        << "    if [[ $cword -eq 1 ]]; then\n"
        << "        COMPREPLY=($(compgen -W \"" << commands << " --help\" -- \"$cur\"))\n"
        << "        return\n    fi\n"
        << "    local command=${words[1]}\n"
        << "    if [[ $command == picture ]]; then\n"
        << "        if [[ $cword -eq 2 ]]; then\n"
        << "            COMPREPLY=($(compgen -W \"" << subcommands << " --help\" -- \"$cur\"))\n"
        << "            return\n        fi\n"
        << "        command=\"picture ${words[2]}\"\n"
        << "    fi\n"
        << "    case $prev in\n"
        << "        --default) _filedir ski; return ;;\n"
        << "        --lng) _filedir lng; return ;;\n"
        << "        --left|--right|--centre|--scale) return ;;\n"
        << "    esac\n"
        << "    local options=\"\"\n"
        << "    case $command in\n" << options.str() << "    esac\n"
        << "    if [[ $cur == -* ]]; then\n"
        << "        COMPREPLY=($(compgen -W \"$options\" -- \"$cur\"))\n"
        << "        return\n    fi\n"
        << "    # The skin comes first after the command's options; other words are files or folders.\n"
        << "    local i skin=\"\"\n"
        << "    for ((i = 2; i < cword; i++)); do\n"
        << "        [[ ${words[i]} == *.ski ]] && skin=${words[i]}\n"
        << "    done\n"
        << "    if [[ -z $skin && $command != gif ]]; then\n"
        << "        _filedir ski\n"
        << "    else\n"
        << "        _filedir\n"
        << "    fi\n"
        << "} &&\n    complete -F _velaskin_cli velaskin-cli\n";
    return out.str();
}

bool writeFile(const char* path, const std::string& text)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    return bool(file.flush());
}

} // namespace

int main(int argc, char** argv)
{
    const std::string_view kind = argc > 1 ? argv[1] : "";
    if (kind == "man" && argc == 4)
        return writeFile(argv[3], manualPage(argv[2])) ? 0 : 3;
    if (kind == "bash" && argc == 3)
        return writeFile(argv[2], completion()) ? 0 : 3;
    std::fputs("usage: make_cli_docs man VERSION OUT | bash OUT\n", stderr);
    return 1;
}
