#ifndef PELM_PROPERTY_H
#define PELM_PROPERTY_H

namespace Pelm {

// A value holder; every field of the ink model is one.
// Assignment copies only when the equality says the values differ, so a
// Property<Point> keeps its pressure, tilt and timestamp when the incoming
// point has the same x, y and z. Set() always stores.
// Nothing derives from it and it holds its value alone: a sketch holds
// millions of points of seven properties each.
template <typename T>
class Property {
public:
    Property(const T& v = T()) : value(v) {}
    Property(const Property<T>& other) : value(other.value) {}
    bool operator==(const Property<T>& other) const { return value == other.value; }

    Property<T>& operator=(const Property<T>& other)
    {
        if (this != &other && !(*this == other))
            value = other.value;
        return *this;
    }

    const T& Get() const { return value; }
    void Set(const T& v) { value = v; }

private:
    T value;
};

} // namespace Pelm

#endif
