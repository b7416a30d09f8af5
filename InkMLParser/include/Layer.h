#ifndef PELM_LAYER_H
#define PELM_LAYER_H

#include "Stroke.h"

namespace Pelm {

class Layer : public AnnotatedRegion<Stroke> {
public:
    void addElementAtHead(const Stroke& stroke) override;
    void updateBindingRectangle(const Stroke& stroke) const override;
};

} // namespace Pelm

#endif
