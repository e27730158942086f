#include "DataSource.h"
#include "GenerationFixture.h"
#include "GraphicTypes.h"
#include "ImageDecoding.h"
#include "ImageFile.h"
#include "MemoryTable.h"
#include "PagewrightErrors.h"
#include "TppDBImage.h"
#include "TppDBPipeline.h"
#include "TppImage.h"
#include "Units.h"

#include <QBuffer>
#include <QDataStream>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

QImage testImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::red);
    return image;
}

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

const QImage* shownImage(const TppPicture& picture) {
    return std::get_if<QImage>(&picture.graphic());
}

TEST(ImageTest, AutoSizeTakesThePicturesSizeAndEachChangeNamesANewPicture) {
    OwnedComponent form;
    auto* image = new TppImage(&form);
    image->SetName("Logo");
    image->SetAutoSize(true);
    const int serial = image->PictureSerial();
    image->Picture().Clear();
    EXPECT_EQ(image->mmWidth(), UnitsToMM(50, utScreenPixels)) << "an empty picture leaves the size";
    image->Picture().SetImage(testImage(120, 30));
    EXPECT_EQ(image->mmWidth(), UnitsToMM(120, utScreenPixels));
    EXPECT_EQ(image->mmHeight(), UnitsToMM(30, utScreenPixels, Axis::Vertical));
    EXPECT_GT(image->PictureSerial(), serial);
}

TEST(ImageTest, StoredPictureDataReadsBackAndDamagedDataGivesNoPicture) {
    TppPicture picture;
    picture.SetImage(testImage(7, 5));
    const QByteArray data = picture.Data();
    EXPECT_TRUE(data.startsWith("\x07TBitmap"));
    TppPicture copy;
    copy.SetData(data);
    ASSERT_NE(shownImage(copy), nullptr);
    EXPECT_EQ(copy.Size(), QSize(7, 5));

    copy.SetData(QByteArray("\x07TBitmap\x04\0\0\0junk", 16));
    EXPECT_TRUE(copy.IsEmpty());
    copy.SetData(QByteArray("\x30TB", 3));
    EXPECT_TRUE(copy.IsEmpty()) << "a class name longer than the data";
}

// A bitmap file header and an info header, with no pixels behind them.
QByteArray bitmapHeader(qint32 width, qint32 height) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const quint32 pixelBytes = quint32(width) * 3 * quint32(height);
    out.writeRawData("BM", 2);
    out << quint32(54 + pixelBytes) << quint32(0) << quint32(54);
    out << quint32(40) << width << height << quint16(1) << quint16(24) << quint32(0) << pixelBytes
        << qint32(2835) << qint32(2835) << quint32(0) << quint32(0);
    return bytes;
}

TEST(ImageTest, ImagesClaimingMorePixelsThanAPageHoldsAreRefusedUndecoded) {
    QElapsedTimer timer;
    timer.start();
    const QByteArray huge = bitmapHeader(3, 16'711'683);
    EXPECT_TRUE(decodeImage(huge).isNull());
    EXPECT_TRUE(std::holds_alternative<std::monostate>(GraphicTypes::instance().Decode("Bitmap", huge)));
    TppPicture picture;
    picture.SetData("\x07TBitmap" + huge);
    EXPECT_TRUE(picture.IsEmpty()) << "a stored picture is refused the same way";
    EXPECT_LT(timer.elapsed(), 1000) << "the size is read from the header, no pixel is decoded";

    const QImage small = decodeImage(encoded(testImage(40, 20), "BMP"));
    EXPECT_EQ(small.size(), QSize(40, 20)) << "a picture of a sensible size still reads";
}

TEST(ImageTest, ImageFilesAreReadOnlyWhenRegularAndNotTooLarge) {
    QTemporaryDir dir;
    const QString small = dir.filePath("small.png");
    QFile file(small);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(encoded(testImage(4, 4), "PNG"));
    file.close();
    const QString fifo = dir.filePath("pipe");
    ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);

    EXPECT_FALSE(readImageFile(small).isEmpty());
    EXPECT_TRUE(readImageFile(small, 10).isEmpty()) << "over the size cap";
    EXPECT_TRUE(readImageFile(dir.path()).isEmpty()) << "a folder";
    EXPECT_TRUE(readImageFile(fifo).isEmpty()) << "a pipe would block the report";
    EXPECT_TRUE(readImageFile("/dev/zero").isEmpty()) << "a device never ends";
    EXPECT_TRUE(readImageFile(dir.filePath("missing.png")).isEmpty());
}

// A data-bound image over a table with a picture, a damaged picture and paths.
class DBImageTest : public testing::Test, public GenerationFixture {
protected:
    DBImageTest() {
        table.setFieldDefs({{"PICTURE", FieldType::Blob}, {"PATH", FieldType::String, 200}});
        table.open();
        addRow(encoded(testImage(8, 6), "PNG"), dir.filePath("photo.png"));
        addRow(QByteArray("not a picture"), dir.filePath("missing.png"));
        addRow(encoded(testImage(3, 3), "JPEG"), dir.path());
        QFile photo(dir.filePath("photo.png"));
        photo.open(QIODevice::WriteOnly);
        photo.write(encoded(testImage(11, 9), "PNG"));
        photo.close();
        pipeline->SetName("ppPhotos");
        pipeline->SetDataSource(new DataSource(&form, &table));
        pipeline->Open();
        image->SetName("Photo");
        image->SetDataPipeline(pipeline);
    }
    void addRow(const QByteArray& picture, const QString& path) {
        table.append();
        table.setValue(0, picture);
        table.setValue(1, path);
        table.post();
    }
    void showRecord(int index, const char* field) {
        pipeline->First();
        for (int i = 0; i < index; ++i)
            pipeline->Next();
        image->SetDataField(QString::fromLatin1(field));
    }

    QTemporaryDir dir;
    MemoryTable table;
    TppDBPipeline* pipeline = new TppDBPipeline(&form);
    TppDBImage* image = add<TppDBImage>(0, 0, 10000, 10000);
};

TEST_F(DBImageTest, BlobFieldsDecodeAsTheirGraphicType) {
    showRecord(0, "PICTURE");
    ASSERT_NE(shownImage(image->Picture()), nullptr);
    EXPECT_EQ(image->Picture().Size(), QSize(8, 6));

    image->SetGraphicType("Unknown");
    EXPECT_EQ(image->GraphicType(), "Bitmap") << "names outside the list are ignored";
    ASSERT_TRUE(GraphicTypes::instance().Contains("JPEG")) << "Qt reads JPEG here";
    image->SetGraphicType("JPEG");
    showRecord(2, "PICTURE");
    EXPECT_EQ(image->Picture().Size(), QSize(3, 3));
    image->SetGraphicType("MetaFile");
    EXPECT_TRUE(image->DirectDraw()) << "metafiles draw directly";
}

TEST_F(DBImageTest, DamagedBlobIsAnErrorOnlyWhileThePrintingReportNeedsIt) {
    showRecord(1, "PICTURE");
    EXPECT_TRUE(image->Picture().IsEmpty());
    report->SetPrinting(true);
    try {
        image->LoadPicture();
        ADD_FAILURE() << "a damaged picture printed silently";
    } catch (const EPrintError& error) {
        EXPECT_EQ(error.message(), "Invalid Image.");
    }
    report->SetPrinting(false);
}

TEST_F(DBImageTest, TextFieldsNameAFileThatIsShownOnlyWhenItIsARegularFile) {
    struct Case {
        const char* name;
        int record;
        QSize size;
    } cases[] = {
        {"an existing picture file", 0, QSize(11, 9)},
        {"a path that does not exist", 1, QSize()},
        {"a folder", 2, QSize()},
    };
    for (const Case& c : cases) {
        showRecord(c.record, "PATH");
        EXPECT_EQ(image->Picture().Size(), c.size) << c.name;
    }
}

TEST_F(DBImageTest, WithoutAutoDisplayOnlyAHandlerSuppliesThePicture) {
    image->SetAutoDisplay(false);
    showRecord(0, "PICTURE");
    startReport();
    runPass();
    ASSERT_EQ(page.DrawCommandCount(), 1);
    EXPECT_FALSE(dynamic_cast<const TppDrawImage&>(*page.DrawCommand(0)).HasPicture()) << "prints nothing";

    image->OnGetPicture.handler = [](TppCommunicator*, TppPicture* picture) {
        picture->SetImage(testImage(2, 2));
    };
    runPass();
    const auto& drawn = dynamic_cast<const TppDrawImage&>(*page.DrawCommand(0));
    EXPECT_EQ(drawn.PictureSize(), QSize(2, 2));
}

TEST_F(DBImageTest, DrawCommandCarriesTheBoxTheOptionsAndARecordSpecificName) {
    image->SetStretch(true);
    image->SetMaintainAspectRatio(true);
    showRecord(2, "PICTURE");
    image->SetGraphicType("JPEG");
    startReport();
    runPass(30000);
    ASSERT_EQ(page.DrawCommandCount(), 1);
    const auto& drawn = dynamic_cast<const TppDrawImage&>(*page.DrawCommand(0));
    EXPECT_EQ(drawn.Box(), QRect(5000, 30000, 10000, 10000));
    EXPECT_TRUE(drawn.Stretch);
    EXPECT_TRUE(drawn.MaintainAspectRatio);
    EXPECT_TRUE(drawn.Center);
    EXPECT_EQ(drawn.PictureSize(), QSize(3, 3));
    EXPECT_EQ(drawn.ImageName, "PhotoppPhotosPICTURE" + QString::number(pipeline->RecordIndex()));
}

} // namespace
