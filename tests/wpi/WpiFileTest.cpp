#include "WpiTestSupport.h"

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <unistd.h>
#include <filesystem>
#include <functional>
#include <memory>
#include <sstream>
#include <streambuf>
#include <thread>

using testsupport::WpiBuilder;
using wpitest::pointsOf;
using wpitest::Shape;
using wpitest::shapeOf;

namespace {

WpiBuilder strokes(int count, int pointsEach)
{
    WpiBuilder f;
    f.descriptor();
    for (int s = 0; s < count; ++s) {
        f.penDown();
        for (int i = 0; i < pointsEach; ++i)
            f.point(static_cast<std::int16_t>(i), static_cast<std::int16_t>(s)).pressure(static_cast<std::uint16_t>(i));
        f.penUp();
    }
    return f;
}

// Serves the bytes in small pieces and runs a hook before the piece given.
class PiecewiseBuffer : public std::streambuf {
public:
    PiecewiseBuffer(const WpiBuilder::Bytes& bytes_, std::size_t hookPiece_, std::function<void()> hook_)
        : bytes(bytes_), hookPiece(hookPiece_), hook(std::move(hook_))
    {
    }

    std::size_t served() const { return offset; }

protected:
    int_type underflow() override
    {
        if (offset >= bytes.size())
            return traits_type::eof();
        if (pieces++ == hookPiece)
            hook();
        const std::size_t size = std::min<std::size_t>(pieceSize, bytes.size() - offset);
        char* start = reinterpret_cast<char*>(const_cast<std::uint8_t*>(bytes.data() + offset));
        setg(start, start, start + size);
        offset += size;
        return traits_type::to_int_type(*start);
    }

private:
    static constexpr std::size_t pieceSize = 4096;
    const WpiBuilder::Bytes& bytes;
    std::size_t hookPiece;
    std::function<void()> hook;
    std::size_t offset = 0;
    std::size_t pieces = 0;
};

class WpiFileTest : public ::testing::Test {
protected:
    testsupport::ScratchDir scratch;
    testsupport::ScratchLog log;
};

} // namespace

TEST_F(WpiFileTest, FileStreamAndBufferReadTheSame)
{
    const WpiBuilder f = strokes(3, 4);
    const std::string path = scratch.file("sketch.wpi");
    f.writeTo(path);

    Pelm::WpiParser fromFile(path.c_str());
    ASSERT_TRUE(fromFile.readDocFromFile());
    std::istringstream in(std::string(f.bytes().begin(), f.bytes().end()));
    Pelm::WpiParser fromStream("");
    ASSERT_TRUE(fromStream.readDocFromStream(in));

    const Shape expected{{4, 4, 4}};
    EXPECT_EQ(shapeOf(*fromFile.getDocument().GetData()), expected);
    EXPECT_EQ(shapeOf(*fromStream.getDocument().GetData()), expected);
    EXPECT_TRUE(log.messages().empty());
}

// A FIFO, or a link to one, must not wait for a writer: should the read
// still be waiting after a while, a writer comes to release it, and the
// test fails.
TEST_F(WpiFileTest, AnythingButARegularFileFailsAtOnceWithAnEmptyDocument)
{
    const std::string missing = scratch.file("missing.wpi");
    const std::string folder = scratch.file("folder.wpi");
    std::filesystem::create_directory(folder);
    const std::string fifo = scratch.file("fifo.wpi");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string link = scratch.file("link.wpi");
    std::filesystem::create_symlink(fifo, link);
    for (const std::string& path : {missing, folder, fifo, link}) {
        SCOPED_TRACE(path);
        Pelm::WpiParser parser(path.c_str());
        std::future<bool> read = std::async(std::launch::async, [&parser] { return parser.readDocFromFile(); });
        if (read.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
            ADD_FAILURE() << "the read waits";
            ::close(::open(fifo.c_str(), O_WRONLY | O_NONBLOCK));
        }
        EXPECT_FALSE(read.get());
        EXPECT_TRUE(parser.getDocument()->empty());
        EXPECT_FALSE(parser.getDocument()->loaded.Get());
    }
}

TEST_F(WpiFileTest, OversizedFileIsRefusedUnread)
{
    const std::string path = scratch.file("huge.wpi");
    strokes(1, 2).writeTo(path);
    std::filesystem::resize_file(path, Pelm::WpiParser::maxFileSize + 1); // sparse, nothing written

    Pelm::WpiParser parser(path.c_str());
    EXPECT_FALSE(parser.readDocFromFile());
    EXPECT_TRUE(parser.getDocument()->empty());
    EXPECT_EQ(log.messages(),
              std::vector<std::string>{"SEVERE file refused: larger than 67108864 bytes\tWpiParser::loadFile()"});
}

TEST_F(WpiFileTest, CallerTakesTheDocumentOverBeforeTheParserGoes)
{
    const std::string path = scratch.file("kept.wpi");
    strokes(2, 3).writeTo(path);
    std::unique_ptr<Pelm::SmartPointer<Pelm::Document>> kept;
    {
        Pelm::WpiParser parser(path.c_str());
        ASSERT_TRUE(parser.readDocFromFile());
        kept = std::make_unique<Pelm::SmartPointer<Pelm::Document>>(parser.getDocument().GetData());
        parser.getDocument().SetData(nullptr);
        EXPECT_FALSE(parser.readDocFromFile()); // nothing left to read into
    }
    EXPECT_EQ(shapeOf(*kept->GetData()), (Shape{{3, 3}}));
    EXPECT_TRUE(kept->GetData()->loaded.Get());
}

TEST_F(WpiFileTest, StopBeforeTheReadLeavesTheDocumentEmpty)
{
    const WpiBuilder f = strokes(1, 3);
    Pelm::WpiParser parser("");
    parser.abort();
    EXPECT_FALSE(parser.readDocFromBuffer(f.bytes().data(), f.size()));
    EXPECT_TRUE(parser.getDocument()->empty());
    EXPECT_FALSE(parser.getDocument()->loaded.Get());
}

TEST_F(WpiFileTest, StopWhileTheBytesArriveEndsTheReadAfterTheCurrentChunk)
{
    const WpiBuilder f = strokes(2000, 100);
    ASSERT_GT(f.size(), 2u << 20);
    Pelm::WpiParser parser("");
    PiecewiseBuffer buffer(f.bytes(), 3, [&] { parser.abort(); });
    std::istream in(&buffer);
    EXPECT_FALSE(parser.readDocFromStream(in));
    EXPECT_TRUE(parser.getDocument()->empty());
    EXPECT_FALSE(parser.getDocument()->loaded.Get());
    EXPECT_LT(buffer.served(), f.size() / 2);
}

// The stop only sets a flag; the reading thread sees it before its next packet.
TEST_F(WpiFileTest, StopFromAnotherThreadNeverReportsAPartialDocumentAsLoaded)
{
    const WpiBuilder f = strokes(2000, 100);
    Pelm::WpiParser parser("");
    std::atomic<bool> started{false};
    bool result = true;
    std::thread reader([&] {
        started = true;
        result = parser.readDocFromBuffer(f.bytes().data(), f.size());
    });
    while (!started)
        std::this_thread::yield();
    parser.abort();
    reader.join();

    Pelm::WpiDocument& doc = *parser.getDocument().GetData();
    EXPECT_EQ(result, doc.loaded.Get());
    if (!result)
        EXPECT_LT(pointsOf(doc).size(), 200000u);
    else
        EXPECT_EQ(pointsOf(doc).size(), 200000u);
}

TEST_F(WpiFileTest, CommittedTwoLayerSketch)
{
    const std::string path = DRAVELLO_TEST_DATA "/wpi/two_layers.wpi";
    Pelm::WpiParser parser(path.c_str());
    ASSERT_TRUE(parser.readDocFromFile());
    Pelm::WpiDocument& doc = *parser.getDocument().GetData();

    EXPECT_EQ(shapeOf(doc), (Shape{std::vector<unsigned long>(12, 80), std::vector<unsigned long>(6, 120)}));
    EXPECT_EQ(doc.physicalParams.body, (std::array<unsigned char, 7>{0x01, 0x05, 0xC8, 0x07, 0xD0, 0x02, 0x01}));
    EXPECT_EQ(doc.fileDateTime.body, (std::array<unsigned char, 7>{0x0E, 0x06, 0x15, 0x0A, 0x1E, 0x00, 0x00}));
    const Pelm::BindingRectangle& box = doc.getBindingRectangle();
    EXPECT_DOUBLE_EQ(box.topLeft.Get().x.Get(), 200.5);
    EXPECT_DOUBLE_EQ(box.topLeft.Get().y.Get(), 240.5);
    EXPECT_DOUBLE_EQ(box.bottomRight.Get().x.Get(), 1238.5);
    EXPECT_DOUBLE_EQ(box.bottomRight.Get().y.Get(), 1860.5);

    // Each sample is followed by its pressure and time: the first point of a
    // stroke takes both, later points carry the previous pressure.
    const std::vector<Pelm::Point> points = pointsOf(doc);
    ASSERT_EQ(points.size(), 1680u);
    const struct {
        std::size_t index;
        double x, y;
        unsigned int pressure;
        int tiltX, tiltY;
        unsigned long timestamp;
    } samples[] = {
        {0, 200.5, 300.5, 500, -25, 10, 1000},
        {1, 202.5, 306.5, 500, -25, 10, 1005},
        {960, 300.5, 1200.5, 500, -25, 10, 5800},
        {1679, 1038.5, 1763.5, 1680, -9, -6, 9395},
    };
    for (const auto& s : samples) {
        SCOPED_TRACE(s.index);
        const Pelm::Point& p = points[s.index];
        EXPECT_DOUBLE_EQ(p.x.Get(), s.x);
        EXPECT_DOUBLE_EQ(p.y.Get(), s.y);
        EXPECT_EQ(p.pressure.Get(), s.pressure);
        EXPECT_EQ(p.tiltX.Get(), s.tiltX);
        EXPECT_EQ(p.tiltY.Get(), s.tiltY);
        EXPECT_EQ(p.timestamp.Get(), s.timestamp);
    }
}
