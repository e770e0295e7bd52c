#include "app/JpegImage.h"
#include "app/Pictures.h"

#include <QBuffer>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

QByteArray ReadResource(const char* path)
{
    InitPictureResources();
    QFile f(QString::fromLatin1(path));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

// Encodes with Qt's own writer, which is independent of the decoder under test.
QByteArray EncodeWithQt(const QImage& image)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 95);
    return data;
}

int MaxChannelDifference(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    int worst = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row);
            const QRgb q = y.pixel(col, row);
            worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return worst;
}

}  // namespace

TEST(JpegImage, BundledPicturesDecodeAtTheirNaturalSize)
{
    const QImage background = LoadJpegFile(QString::fromLatin1(kAboutBackgroundPath));
    EXPECT_EQ(background.size(), QSize(313, 417));
    const QImage side = LoadJpegFile(QString::fromLatin1(kAboutSidePicturePath));
    EXPECT_EQ(side.size(), QSize(252, 308));
}

TEST(JpegImage, ColoursMatchAnIndependentDecoder)
{
    // Red, green and blue blocks: a swapped channel order would show at once.
    QImage source(48, 16, QImage::Format_RGB32);
    source.fill(Qt::white);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 48; ++x)
            source.setPixel(x, y, x < 16 ? qRgb(220, 20, 20) : x < 32 ? qRgb(20, 200, 20) : qRgb(20, 20, 210));
    const QByteArray data = EncodeWithQt(source);
    const QImage mine = DecodeJpeg(data);
    ASSERT_EQ(mine.size(), source.size());
    EXPECT_LE(MaxChannelDifference(mine, QImage::fromData(data, "JPG")), 2);
    // Away from the block edges (where chroma subsampling blurs) the colours are the originals.
    for (int x : {6, 24, 42}) {
        const QRgb want = source.pixel(x, 8);
        const QRgb got = mine.pixel(x, 8);
        EXPECT_NEAR(qRed(got), qRed(want), 12) << x;
        EXPECT_NEAR(qGreen(got), qGreen(want), 12) << x;
        EXPECT_NEAR(qBlue(got), qBlue(want), 12) << x;
    }

    const QByteArray bundled = ReadResource(kAboutSidePicturePath);
    EXPECT_LE(MaxChannelDifference(DecodeJpeg(bundled), QImage::fromData(bundled, "JPG")), 2);
}

TEST(JpegImage, GreyPictureDecodesToGrey)
{
    QImage grey(20, 10, QImage::Format_Grayscale8);
    grey.fill(100);
    const QImage decoded = DecodeJpeg(EncodeWithQt(grey));
    ASSERT_EQ(decoded.size(), QSize(20, 10));
    EXPECT_EQ(decoded.format(), QImage::Format_Grayscale8);
    EXPECT_NEAR(qGray(decoded.pixel(5, 5)), 100, 2);
}

TEST(JpegImage, DamagedDataGivesAnEmptyPictureAndNoCrash)
{
    const QByteArray good = ReadResource(kAboutBackgroundPath);
    ASSERT_GT(good.size(), 1000);

    QByteArray badScan = good;
    // A restart marker in the middle of the scan data: libjpeg warns and papers over it.
    for (int i = 0; i < 64; i += 2) {
        badScan[good.size() / 2 + i] = '\xFF';
        badScan[good.size() / 2 + i + 1] = '\xD3';
    }
    QByteArray badHeader = good;
    badHeader[1] = '\x00';  // no start-of-image marker

    struct Case {
        const char* what;
        QByteArray data;
    };
    const Case cases[] = {
        {"empty", QByteArray()},
        {"start-of-image marker only", good.left(2)},
        {"truncated to half", good.left(good.size() / 2)},
        {"truncated before the end marker", good.left(good.size() - 2)},
        {"truncated in the header", good.left(100)},
        {"corrupt scan data", badScan},
        {"not a JPEG", badHeader},
        {"text", QByteArray("this is not a picture at all")},
    };
    for (const Case& c : cases) {
        const QImage image = DecodeJpeg(c.data);
        EXPECT_TRUE(image.isNull()) << c.what;
    }
    EXPECT_TRUE(LoadJpegFile(QStringLiteral("/nonexistent/picture.jpg")).isNull());
    // The decoder is left in a usable state after all of the above.
    EXPECT_EQ(DecodeJpeg(good).size(), QSize(313, 417));
}
