#include "cli/CheckCommand.h"

#include "check/SkinChecker.h"
#include "document/SkinModel.h"

#include <cstdio>

int runCheckCommand(const Arguments& args)
{
    const SkinArguments split = splitDefaultOption(args);
    if (split.rest.size() != 1)
        return exitcode::usage;
    SkinModel model;
    if (const int code = loadModel(model, split.rest[0], split.defaultSkin); code != exitcode::done)
        return code;
    const std::vector<Finding> findings = SkinChecker(model).run();
    for (const Finding& finding : findings)
        std::printf("%s\n", finding.englishLine().toUtf8().constData());
    return findings.empty() ? exitcode::done : exitcode::findings;
}
