#include "platform/privatefolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zerval {
namespace {

// Each case gets its own system temporary location through TMPDIR.
class PrivateFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(base_.isValid());
        previous_ = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(base_.path()));
        ownName_ = base_.path() + QStringLiteral("/zerval-") + QString::number(getuid());
    }
    void TearDown() override { qputenv("TMPDIR", previous_); }

    static mode_t modeOf(const QString& path) {
        struct stat info {};
        lstat(QFile::encodeName(path).constData(), &info);
        return info.st_mode & 0777;
    }

    QTemporaryDir base_;
    QByteArray previous_;
    QString ownName_;
};

TEST_F(PrivateFolderTest, IsCreatedForTheUserAloneBelowTheTemporaryLocation) {
    const QString folder = privateTempFolder();
    EXPECT_EQ(folder, ownName_ + QLatin1Char('/'));
    EXPECT_EQ(modeOf(ownName_), mode_t(0700));
    EXPECT_EQ(privateTempFolder(), folder) << "the same folder serves every use";
}

TEST_F(PrivateFolderTest, AFolderOthersCanReachIsNeverUsed) {
    ASSERT_EQ(mkdir(QFile::encodeName(ownName_).constData(), 0777), 0);
    chmod(QFile::encodeName(ownName_).constData(), 0777);
    const QString folder = privateTempFolder();
    EXPECT_NE(folder, ownName_ + QLatin1Char('/'));
    EXPECT_TRUE(folder.startsWith(base_.path()));
    EXPECT_EQ(modeOf(folder), mode_t(0700));
}

TEST_F(PrivateFolderTest, ALinkPlantedUnderItsNameIsNeverFollowed) {
    QTemporaryDir elsewhere;
    ASSERT_EQ(symlink(QFile::encodeName(elsewhere.path()).constData(),
                      QFile::encodeName(ownName_).constData()),
              0);
    const QString folder = privateTempFolder();
    EXPECT_NE(folder, ownName_ + QLatin1Char('/'));
    EXPECT_FALSE(folder.startsWith(elsewhere.path()));
    EXPECT_EQ(modeOf(folder), mode_t(0700));
}

} // namespace
} // namespace zerval
