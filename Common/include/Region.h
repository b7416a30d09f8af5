#ifndef PELM_REGION_H
#define PELM_REGION_H

#include "BindingRectangle.h"
#include "PointBlocks.h"

#include <algorithm>
#include <deque>
#include <map>
#include <memory>
#include <type_traits>
#include <string>
#include <utility>
#include <vector>

namespace Pelm {

template <typename T>
class RegionVisitor {
public:
    virtual ~RegionVisitor() = default;
    // Returns false to stop the walk.
    virtual bool visit(T& element) = 0;
};

template <typename T>
class Shifter : public RegionVisitor<T> {
public:
    Shifter(double dx_, double dy_) : dx(dx_), dy(dy_) {}
    bool visit(T& element) override
    {
        element.shift(dx, dy);
        return true;
    }
    double dx;
    double dy;
};

template <typename T>
class Rotator : public RegionVisitor<T> {
public:
    explicit Rotator(float angle_) : angle(angle_) {}
    bool visit(T& element) override
    {
        element.rotate(angle);
        return true;
    }
    float angle;
};

template <typename T>
class RegionIterator;

namespace detail {
// A stroke's points lie in one block; strokes and layers are held in a
// deque, so that a stroke or layer keeps its place while more are appended.
template <typename T>
struct RegionStorage {
    using type = std::deque<T>;
};

template <>
struct RegionStorage<Point> {
    using type = std::vector<Point, PointBlockAllocator<Point>>;
};

// The rectangle of an empty region taken from its first element: a point
// becomes both corners whole; a nested region lends its own rectangle.
inline void seedRectangle(BindingRectangle& rect, const Point& first)
{
    rect.topLeft.Set(first);
    rect.bottomRight.Set(first);
}

template <typename E>
void seedRectangle(BindingRectangle& rect, const E& first)
{
    rect = first.getBindingRectangle();
}
} // namespace detail

// Elements held by value in order, with a rectangle that grows as they are added.
template <typename T>
class Region {
public:
    Region() = default;
    Region(const Region<T>&) = default;
    Region(Region<T>&&) = default;
    Region<T>& operator=(const Region<T>&) = default;
    Region<T>& operator=(Region<T>&&) = default;
    virtual ~Region() = default;

    virtual void addElement(const T& element)
    {
        takeIntoRectangle(element);
        elements.push_back(element);
    }
    // The same rule, taking the element over instead of copying it.
    virtual void addElement(T&& element)
    {
        takeIntoRectangle(element);
        elements.push_back(std::move(element));
    }
    virtual void addElementAtTail(const T& element) { addElement(element); }
    virtual void addElementAtHead(const T& element) = 0;

    virtual void rotate(float angle)
    {
        if (angle == 0.0f)
            return;
        Rotator<T> rotator(angle);
        forEach(rotator);
        bindingRectangle.rotate(angle);
    }

    virtual void shift(double dx, double dy)
    {
        Shifter<T> shifter(dx, dy);
        forEach(shifter);
        bindingRectangle.shift(dx, dy);
    }

    // Grows the rectangle to take in the element.
    virtual void updateBindingRectangle(const T& element) const = 0;

    const BindingRectangle& getBindingRectangle() const { return bindingRectangle; }
    unsigned long getSize() const { return static_cast<unsigned long>(elements.size()); }
    // Room for `count` elements in all, where the storage keeps room ahead
    // (a stroke's points); elsewhere nothing happens.
    void reserve(unsigned long count)
    {
        if constexpr (std::is_same_v<T, Point>)
            elements.reserve(count);
    }
    // The same for an empty stroke, whose points then lie in `blocks`.
    void reserveIn(const std::shared_ptr<PointBlocks>& blocks, unsigned long count)
    {
        static_assert(std::is_same_v<T, Point>, "only a stroke's points lie in blocks");
        if (!elements.empty())
            return reserve(count);
        elements = decltype(elements)(PointBlockAllocator<Point>(blocks));
        elements.reserve(count);
    }
    bool empty() const { return elements.empty(); }
    T& getTail() { return elements.back(); }
    const T& getTail() const { return elements.back(); }

    bool at(unsigned long i, T& out) const
    {
        if (i >= getSize())
            return false;
        out = elements[i];
        return true;
    }

    bool at(unsigned long i, T** out)
    {
        if (i >= getSize())
            return false;
        *out = &elements[i];
        return true;
    }

    bool forEach(RegionVisitor<T>& visitor)
    {
        for (T& element : elements)
            if (!visitor.visit(element))
                return false;
        return true;
    }

    // Removes element i; the rectangle keeps its earlier extent.
    bool eraseAt(unsigned long i)
    {
        if (i >= getSize())
            return false;
        elements.erase(elements.begin() + static_cast<long>(i));
        calculateBindingRectangle();
        return true;
    }

    bool insertBefore(unsigned long i, const T& element)
    {
        if (elements.empty() && i == 0) {
            bindingRectangle.topLeft.Set(element.getBindingRectangle().topLeft.Get());
            bindingRectangle.bottomRight.Set(element.getBindingRectangle().bottomRight.Get());
            elements.push_back(element);
            return true;
        }
        if (i > getSize())
            return false;
        elements.insert(elements.begin() + static_cast<long>(i), element);
        updateBindingRectangle(element);
        return true;
    }

    // Grows (never shrinks) the rectangle over every element; needs two or more.
    bool calculateBindingRectangle() const
    {
        if (elements.size() < 2)
            return false;
        for (const T& element : elements)
            updateBindingRectangle(element);
        return true;
    }

protected:
    void insertAtHead(const T& element)
    {
        takeIntoRectangle(element);
        elements.insert(elements.begin(), element);
    }

    // Strict comparisons: a coordinate equal to a corner's leaves it alone.
    void growRectangle(double leastX, double leastY, double greatestX, double greatestY) const
    {
        const Point& tl = bindingRectangle.topLeft.Get();
        if (tl.x.Get() > leastX || tl.y.Get() > leastY)
            bindingRectangle.topLeft.Set(Point(std::min(tl.x.Get(), leastX),
                                               std::min(tl.y.Get(), leastY), 0.0, 0u, 0, 0, 0ul));
        const Point& br = bindingRectangle.bottomRight.Get();
        if (greatestX > br.x.Get() || greatestY > br.y.Get())
            bindingRectangle.bottomRight.Set(Point(std::max(br.x.Get(), greatestX),
                                                   std::max(br.y.Get(), greatestY), 0.0, 0u, 0, 0,
                                                   0ul));
    }

    void growRectangle(const BindingRectangle& box) const
    {
        growRectangle(box.topLeft.Get().x.Get(), box.topLeft.Get().y.Get(),
                      box.bottomRight.Get().x.Get(), box.bottomRight.Get().y.Get());
    }

    mutable BindingRectangle bindingRectangle;
    typename detail::RegionStorage<T>::type elements;

private:
    friend class RegionIterator<T>;

    void takeIntoRectangle(const T& element)
    {
        if (elements.empty())
            detail::seedRectangle(bindingRectangle, element);
        else
            updateBindingRectangle(element);
    }
};

// A region with string annotations ("tag" holds a layer's name).
template <typename T>
class AnnotatedRegion : public Region<T> {
public:
    std::map<std::string, std::string> annotations;
};

template <typename T>
class RegionIterator {
public:
    explicit RegionIterator(Region<T>& region_) : region(region_), position(0) {}

    // The element at the position; null when past the last.
    T* current() { return position < region.elements.size() ? &region.elements[position] : nullptr; }

    bool advance()
    {
        if (position >= region.elements.size())
            return false;
        ++position;
        return true;
    }

private:
    Region<T>& region;
    std::size_t position;
};

} // namespace Pelm

#endif
