#include "GifBuilder.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

#ifdef VELASKIN_CLI_PATH
const QString cliPath = QStringLiteral(VELASKIN_CLI_PATH);
#else
const QString cliPath;
#endif

struct CliRun {
    int code = -1;
    QString out;
    QString err;

    // The tool's own error lines (Qt may add warnings of its own).
    QStringList errorLines() const
    {
        return err.split('\n', Qt::SkipEmptyParts).filter(QRegularExpression("^velaskin-cli: "));
    }
};

class GifCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (cliPath.isEmpty() || !QFileInfo::exists(cliPath))
            GTEST_SKIP() << "velaskin-cli is not built";
    }

    QString write(const QString& name, const std::vector<std::uint8_t>& bytes)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
        return path;
    }

    static CliRun gif(const QStringList& args)
    {
        QProcess process;
        process.start(cliPath, QStringList{"gif"} + args);
        process.waitForFinished(30000);
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(GifCommandTest, ListsTheFramesThatWouldPlay)
{
    const QString path = write("anim.gif", GifBuilder(20, 10)
                                               .looping()
                                               .add(GifBuilder::frame(0, 0, 20, 10, 0, 10, 1))
                                               .add(GifBuilder::frame(3, 4, 5, 6, 0, -1, 0))
                                               .add(GifBuilder::frame(15, 5, 10, 10, 0, 300, 2))
                                               .build());
    const CliRun run = gif({path});
    EXPECT_EQ(run.code, 0) << qPrintable(run.err);
    EXPECT_EQ(run.out, "screen 20 10\n"
                       "frames 3\n"
                       "frame 0 0 0 20 10 10 1\n"
                       "frame 1 3 4 5 6 -1 0\n"
                       "frame 2 15 5 10 10 300 2\n");
}

TEST_F(GifCommandTest, StillPicturesAndFailures)
{
    const CliRun still = gif({write("still.gif", GifBuilder(7, 3).add(GifBuilder::frame(0, 0, 7, 3, 0, 5, 0)).build())});
    EXPECT_EQ(still.code, 0);
    EXPECT_EQ(still.out, "screen 7 3\nstill\n");

    const QString garbage = write("garbage.gif", {'G', 'I', 'F', '8', '9', 'a', 1, 2, 3});
    const CliRun broken = gif({garbage});
    EXPECT_EQ(broken.code, 4);
    EXPECT_TRUE(broken.out.isEmpty());
    ASSERT_EQ(broken.errorLines().size(), 1) << qPrintable(broken.err);
    EXPECT_TRUE(broken.errorLines()[0].startsWith("velaskin-cli: " + garbage + ": "));

    const QString missing = dir.filePath("missing.gif");
    const CliRun absent = gif({missing});
    EXPECT_EQ(absent.code, 4);
    ASSERT_EQ(absent.errorLines().size(), 1) << qPrintable(absent.err);
    EXPECT_TRUE(absent.errorLines()[0].startsWith("velaskin-cli: " + missing + ": "));

    EXPECT_EQ(gif({}).code, 1);
    EXPECT_EQ(gif({garbage, garbage}).code, 1);
}
