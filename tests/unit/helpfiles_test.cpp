#include "app/gifpicture.h"
#include "app/helptexts.h"
#include "app/privatefile.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zerval {
namespace {

void ensureApplication() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "zerval-tests";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(argc, argv); // for the rest of the run
}

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

class PrivateFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder_.isValid()); }
    QString folder() const { return folder_.path() + QLatin1Char('/'); }
    QTemporaryDir folder_;
};

TEST_F(PrivateFileTest, IsWrittenForTheUserAloneAndRewrittenAtEachUse) {
    ASSERT_TRUE(writePrivateFile(folder(), QStringLiteral("temp___1.txt"), "uno dos tres"));
    ASSERT_TRUE(writePrivateFile(folder(), QStringLiteral("temp___1.txt"), "otro"));
    EXPECT_EQ(contentsOf(folder() + QStringLiteral("temp___1.txt")), QByteArray("otro"));
    struct stat info {};
    ASSERT_EQ(
        lstat(QFile::encodeName(folder() + QStringLiteral("temp___1.txt")).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, mode_t(0600));
}

TEST_F(PrivateFileTest, ALinkPlantedUnderItsNameIsReplacedNotFollowed) {
    QTemporaryDir elsewhere;
    const QString victim = elsewhere.path() + QStringLiteral("/importante");
    {
        QFile file(victim);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("no tocar");
    }
    const QByteArray planted = QFile::encodeName(folder() + QStringLiteral("temp___3.html"));
    ASSERT_EQ(symlink(QFile::encodeName(victim).constData(), planted.constData()), 0);
    EXPECT_TRUE(writePrivateFile(folder(), QStringLiteral("temp___3.html"), "<html>"));
    EXPECT_EQ(contentsOf(victim), QByteArray("no tocar"));
    struct stat info {};
    ASSERT_EQ(lstat(planted.constData(), &info), 0);
    EXPECT_TRUE(S_ISREG(info.st_mode));
    EXPECT_EQ(contentsOf(QFile::decodeName(planted)), QByteArray("<html>"));
}

TEST_F(PrivateFileTest, NothingIsWrittenWithoutItsFolderOrOverSomethingElse) {
    // Without a folder the name would land in the working folder.
    EXPECT_FALSE(writePrivateFile(QString(), QStringLiteral("temp___1.txt"), "x"));
    EXPECT_FALSE(QFile::exists(QStringLiteral("temp___1.txt")));
    EXPECT_FALSE(writePrivateFile(folder(), QStringLiteral("../fuera.txt"), "x"));
    ASSERT_EQ(mkdir(QFile::encodeName(folder() + QStringLiteral("carpeta")).constData(), 0700), 0);
    EXPECT_FALSE(writePrivateFile(folder(), QStringLiteral("carpeta"), "x"));
}

TEST(GifPicture, ReadsBackPixelForPixelWithItsTransparency) {
    ensureApplication();
    if (!QImageReader::supportedImageFormats().contains("gif"))
        GTEST_SKIP() << "this Qt reads no GIF";
    // Few colours, so that none is lost to the palette; wide enough that the picture takes
    // several runs between clear codes.
    QImage picture(301, 7, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y,
                             (x + y) % 5 == 0
                                 ? qRgba(0, 0, 0, 0)
                                 : qRgb(20 * ((x / 7) % 12), 40 * (y % 6), 255 - 9 * (x % 3)));
    const QByteArray gif = gifPicture(picture);
    ASSERT_TRUE(gif.startsWith("GIF89a"));
    const QImage back = QImage::fromData(gif, "GIF").convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(back.size(), picture.size());
    int wrong = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb want = picture.pixel(x, y);
            const QRgb got = back.pixel(x, y);
            const bool same = qAlpha(want) == 0 ? qAlpha(got) == 0 : want == got;
            if (!same) ++wrong;
        }
    EXPECT_EQ(wrong, 0);
    EXPECT_TRUE(gifPicture(QImage()).isEmpty());
}

TEST(HelpTexts, ReadmeKeepsItsHeadingAndParagraphs) {
    const QStringList lines = readmeText().split(QLatin1Char('\n'));
    ASSERT_GT(lines.size(), 3);
    EXPECT_TRUE(
        lines[0].startsWith(QStringLiteral("zerval - conversor de unidades (versión 3.1)")));
    EXPECT_EQ(lines[1], QString(40, QLatin1Char('-')));
    EXPECT_EQ(lines[2], QString());
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("Este programa es FREEWARE")));
    for (const char* piece : {"software de cortesía", "\nAutor: ", "\nE-mail: ", "\nAclaración:",
                              "en el estado en que se encuentra"})
        EXPECT_TRUE(readmeText().contains(QString::fromUtf8(piece))) << piece;
    EXPECT_FALSE(readmeText().contains(QLatin1Char('\r')));
}

// The picture's name may hold blanks or quotes (the user's temporary location): the button's
// source stays one quoted attribute that names exactly that file.
TEST(HelpTexts, DonationButtonPictureIsAQuotedFileAddress) {
    for (const QString& picture : {QStringLiteral("/tmp/zerval-1000/donar_zerval.gif"),
                                   QStringLiteral("/tmp/mis \"datos\" & <otros>/donar_zerval.gif"),
                                   QStringLiteral("/tmp/año 2026/donar_zerval.gif")}) {
        const QString page = donationsPage(picture);
        const QRegularExpressionMatch source =
            QRegularExpression(QStringLiteral("<input type=\"image\" src=\"([^\"]*)\" border=\"0\" "
                                              "name=\"submit\" alt=\"PayPal"))
                .match(page);
        ASSERT_TRUE(source.hasMatch()) << page.toStdString();
        QString address = source.captured(1);
        address.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        EXPECT_EQ(QUrl(address).toLocalFile(), picture);
        EXPECT_FALSE(page.contains(QLatin1Char('\n')));
    }
}

TEST(HelpTexts, PagesDeclareTheirCodePageAndAreWrittenInIt) {
    for (const QString& page : {customisePage(), donationsPage(QStringLiteral("/tmp/x.gif"))}) {
        EXPECT_TRUE(page.contains(QStringLiteral("lang=\"es\"")));
        EXPECT_TRUE(page.contains(QStringLiteral("charset=windows-1252")));
        EXPECT_TRUE(page.contains(QStringLiteral("bgcolor=\"#F8F6F7\"")));
    }
    EXPECT_EQ(pageBytes(QStringLiteral("a\u00f3\u20ac\U0001F600")),
              QByteArray("a\xf3&#8364;&#128512;"));
}

} // namespace
} // namespace zerval
