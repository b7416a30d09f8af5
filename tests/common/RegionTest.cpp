#include "Document.h"

#include <gtest/gtest.h>

#include <utility>

using namespace Pelm;

namespace {

Point at(double x, double y, unsigned pressure = 0) { return Point(x, y, 0, pressure, 0, 0, 0); }

Stroke strokeOf(std::initializer_list<Point> points)
{
    Stroke s;
    for (const Point& p : points)
        s.addElement(p);
    return s;
}

Layer layerOf(std::initializer_list<Stroke> strokes, const std::string& tag = "")
{
    Layer l;
    for (const Stroke& s : strokes)
        l.addElement(s);
    if (!tag.empty())
        l.annotations["tag"] = tag;
    return l;
}

void expectCorners(const BindingRectangle& r, double x1, double y1, double x2, double y2)
{
    EXPECT_EQ(r.topLeft.Get().x.Get(), x1);
    EXPECT_EQ(r.topLeft.Get().y.Get(), y1);
    EXPECT_EQ(r.bottomRight.Get().x.Get(), x2);
    EXPECT_EQ(r.bottomRight.Get().y.Get(), y2);
}

// Records visits and stops at a chosen element.
class CountingVisitor : public RegionVisitor<Point> {
public:
    explicit CountingVisitor(int stopAt) : stopAt(stopAt) {}
    bool visit(Point&) override { return ++visits != stopAt; }
    int visits = 0;
    int stopAt;
};

} // namespace

TEST(Region, RectangleGrowthRule)
{
    Stroke s;
    s.addElement(Point(0, 0, 0, 700, 1, 2, 3));
    // The first point lends both corners whole.
    EXPECT_EQ(s.getBindingRectangle().topLeft.Get().pressure.Get(), 700u);
    EXPECT_EQ(s.getBindingRectangle().bottomRight.Get().timestamp.Get(), 3ul);

    s.addElement(at(5, -3));
    expectCorners(s.getBindingRectangle(), 0, -3, 5, 0);
    EXPECT_EQ(s.getBindingRectangle().topLeft.Get().pressure.Get(), 0u);

    // A point on a corner coordinate changes nothing (strict comparisons).
    Stroke t = strokeOf({Point(1, 1, 0, 9, 0, 0, 0), at(3, 3)});
    t.addElement(at(1, 2));
    EXPECT_EQ(t.getBindingRectangle().topLeft.Get().pressure.Get(), 9u);

    // Adding at the head follows the same rule and order.
    t.addElementAtHead(at(-1, 5));
    expectCorners(t.getBindingRectangle(), -1, 1, 3, 5);
    Point first;
    ASSERT_TRUE(t.at(0, first));
    EXPECT_EQ(first.x.Get(), -1);
}

TEST(Region, AddingToANestedStrokeChangesOnlyThatStroke)
{
    Layer layer = layerOf({strokeOf({at(0, 0), at(1, 1)})});
    layer.getTail().addElement(at(50, 50));
    expectCorners(layer.getTail().getBindingRectangle(), 0, 0, 50, 50);
    expectCorners(layer.getBindingRectangle(), 0, 0, 1, 1);
}

TEST(Region, BoundsChecks)
{
    Document doc;
    Layer out;
    Layer* ptr = nullptr;
    EXPECT_FALSE(doc.at(0, out));
    EXPECT_FALSE(doc.at(0, &ptr));
    EXPECT_FALSE(doc.eraseAt(0));
    EXPECT_FALSE(doc.insertBefore(1, Layer()));
    EXPECT_TRUE(doc.empty());

    doc.addElement(layerOf({strokeOf({at(0, 0)})}, "one"));
    EXPECT_FALSE(doc.at(doc.getSize(), out));
    EXPECT_FALSE(doc.eraseAt(doc.getSize()));
    EXPECT_TRUE(doc.insertBefore(doc.getSize(), layerOf({strokeOf({at(1, 1)})}, "two")));
    ASSERT_TRUE(doc.at(1, &ptr));
    EXPECT_EQ(ptr->annotations["tag"], "two");
    EXPECT_TRUE(doc.insertBefore(0, layerOf({strokeOf({at(2, 2)})}, "zero")));
    ASSERT_TRUE(doc.at(0, out));
    EXPECT_EQ(out.annotations["tag"], "zero");
    EXPECT_EQ(doc.getSize(), 3ul);
}

TEST(Region, InsertIntoEmptyDocumentCopiesTheLayerRectangle)
{
    Document doc;
    ASSERT_TRUE(doc.insertBefore(0, layerOf({strokeOf({at(4, 5), at(8, 9)})})));
    expectCorners(doc.getBindingRectangle(), 4, 5, 8, 9);
}

TEST(Region, EraseKeepsEarlierExtent)
{
    Document doc;
    doc.addElement(layerOf({strokeOf({at(0, 0), at(10, 10)})}));
    doc.addElement(layerOf({strokeOf({at(100, 100), at(200, 200)})}));
    ASSERT_TRUE(doc.eraseAt(1));
    EXPECT_EQ(doc.getSize(), 1ul);
    expectCorners(doc.getBindingRectangle(), 0, 0, 200, 200);
    EXPECT_FALSE(doc.calculateBindingRectangle());
}

TEST(Region, ForEachStopsWhenAVisitSaysSo)
{
    Stroke empty;
    CountingVisitor never(1);
    EXPECT_TRUE(empty.forEach(never));
    EXPECT_EQ(never.visits, 0);

    Stroke s = strokeOf({at(0, 0), at(1, 1), at(2, 2)});
    CountingVisitor stopAtSecond(2);
    EXPECT_FALSE(s.forEach(stopAtSecond));
    EXPECT_EQ(stopAtSecond.visits, 2);
    CountingVisitor all(0);
    EXPECT_TRUE(s.forEach(all));
    EXPECT_EQ(all.visits, 3);
}

TEST(Region, ShiftMovesEveryLevelAndRectangle)
{
    Document doc;
    doc.addElement(layerOf({strokeOf({at(0, 0), at(10, 20)}), strokeOf({at(-5, 3)})}));
    doc.shift(100, -1);

    Layer* layer = nullptr;
    ASSERT_TRUE(doc.at(0, &layer));
    Stroke second;
    ASSERT_TRUE(layer->at(1, second));
    Point p;
    ASSERT_TRUE(second.at(0, p));
    EXPECT_EQ(p.x.Get(), 95);
    EXPECT_EQ(p.y.Get(), 2);
    expectCorners(layer->getBindingRectangle(), 95, -1, 110, 19);
    expectCorners(doc.getBindingRectangle(), 95, -1, 110, 19);
    expectCorners(second.getBindingRectangle(), 95, 2, 95, 2);
}

TEST(Region, RotateTurnsEveryLevelAndZeroChangesNothing)
{
    Document doc;
    doc.addElement(layerOf({strokeOf({at(10, 0), at(0, 10)})}));
    const Document before(doc);

    doc.rotate(0.0f);
    expectCorners(doc.getBindingRectangle(), 0, 0, 10, 10);

    doc.rotate(Point::Pi / 2);
    Layer* layer = nullptr;
    ASSERT_TRUE(doc.at(0, &layer));
    Point p;
    ASSERT_TRUE(layer->getTail().at(0, p));
    EXPECT_NEAR(p.x.Get(), 0, 1e-4);
    EXPECT_NEAR(p.y.Get(), 10, 1e-4);
    const BindingRectangle& r = doc.getBindingRectangle();
    EXPECT_NEAR(r.topLeft.Get().x.Get(), -10, 1e-3);
    EXPECT_NEAR(r.bottomRight.Get().y.Get(), 10, 1e-3);
    // The saved copy is untouched.
    expectCorners(before.getBindingRectangle(), 0, 0, 10, 10);
}

TEST(Region, DocumentCopyIsDeep)
{
    Document source;
    source.addElement(layerOf({strokeOf({at(1, 1)})}, "ink"));
    source.annotations["tag"] = "sketch";
    source.loaded.Set(true);

    Document copy(source);
    Layer* layer = nullptr;
    ASSERT_TRUE(copy.at(0, &layer));
    layer->getTail().shift(5, 5);
    layer->annotations["tag"] = "changed";

    Layer original;
    ASSERT_TRUE(source.at(0, original));
    Point p;
    ASSERT_TRUE(original.getTail().at(0, p));
    EXPECT_EQ(p.x.Get(), 1);
    EXPECT_EQ(original.annotations["tag"], "ink");
    EXPECT_TRUE(copy.loaded.Get());
    EXPECT_EQ(copy.annotations["tag"], "sketch");
}

TEST(RegionIterator, WalksAndStopsPastTheEnd)
{
    Stroke empty;
    RegionIterator<Point> none(empty);
    EXPECT_EQ(none.current(), nullptr);
    EXPECT_FALSE(none.advance());

    Stroke s = strokeOf({at(1, 0), at(2, 0)});
    RegionIterator<Point> it(s);
    ASSERT_NE(it.current(), nullptr);
    EXPECT_EQ(it.current()->x.Get(), 1);
    EXPECT_TRUE(it.advance());
    EXPECT_EQ(it.current()->x.Get(), 2);
    EXPECT_TRUE(it.advance());
    EXPECT_EQ(it.current(), nullptr);
    EXPECT_FALSE(it.advance());
}

TEST(Region, TakingAnElementOverFollowsTheSameRule)
{
    Layer copied, taken;
    for (Layer* layer : {&copied, &taken})
        layer->addElement(strokeOf({at(0, 0), at(2, 2)}));
    Stroke second = strokeOf({at(-4, 1), at(9, 3)});
    copied.addElement(second);
    taken.addElement(std::move(second));
    expectCorners(taken.getBindingRectangle(), -4, 0, 9, 3);
    expectCorners(copied.getBindingRectangle(), -4, 0, 9, 3);
    EXPECT_EQ(taken.getTail().getSize(), 2ul);
}

// Points reserved in blocks stay with every stroke that holds them, past the
// reader's own handle and past blocks filled up; copies go to the heap and
// outlive the blocks.
TEST(Region, PointsInBlocksLiveAsLongAsTheirStrokes)
{
    constexpr int count = 40;
    Stroke copy;
    Layer layer;
    {
        auto blocks = std::make_shared<PointBlocks>(3 * sizeof(Point));
        Stroke stroke;
        stroke.reserveIn(blocks, 2);
        for (int i = 0; i < count; ++i)
            stroke.addElement(at(i, -i, static_cast<unsigned>(i)));
        blocks.reset();
        layer.addElement(std::move(stroke));
        Stroke* held = nullptr;
        ASSERT_TRUE(layer.at(0, &held));
        copy = *held;
    }
    Layer layerCopy = layer;
    layer = Layer();
    for (int i = 0; i < count; ++i) {
        Point point;
        ASSERT_TRUE(copy.at(static_cast<unsigned long>(i), point));
        EXPECT_EQ(point.x.Get(), i);
        EXPECT_EQ(point.pressure.Get(), static_cast<unsigned>(i));
    }
    Stroke* copied = nullptr;
    ASSERT_TRUE(layerCopy.at(0, &copied));
    EXPECT_EQ(copied->getSize(), static_cast<unsigned long>(count));
    expectCorners(copied->getBindingRectangle(), 0, -(count - 1), count - 1, 0);
}
