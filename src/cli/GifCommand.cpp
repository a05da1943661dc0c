#include "cli/GifCommand.h"

#include "pictures/DecodedAnimation.h"

#include <QFile>

#include <cstdio>

// gif FILE: the logical screen, then "still" or the frames that decoded, one
// line each: "frame I LEFT TOP WIDTH HEIGHT DELAY DISPOSAL" (I from 0).
int runGifCommand(const Arguments& args)
{
    if (args.size() != 1)
        return exitcode::usage;
    const std::string& path = args[0];
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return failWith(exitcode::refused, path + ": " + file.errorString().toStdString());
    const QByteArray bytes = file.readAll();

    DecodedAnimation animation;
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    if (!animation.decode(std::span(data, std::size_t(bytes.size()))))
        return failWith(exitcode::refused, path + ": no picture could be decoded");

    std::printf("screen %d %d\n", animation.width(), animation.height());
    if (!animation.stillPicture().isNull()) {
        std::printf("still\n");
        return exitcode::done;
    }
    const auto& frames = animation.frames();
    std::printf("frames %zu\n", frames.size());
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const GifFrame& f = frames[i].info;
        std::printf("frame %zu %d %d %d %d %d %d\n", i, f.left, f.top, f.width, f.height, f.delay, f.disposal);
    }
    return exitcode::done;
}
