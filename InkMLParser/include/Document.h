#ifndef PELM_DOCUMENT_H
#define PELM_DOCUMENT_H

#include "Layer.h"

namespace Pelm {

// A sketch: layers of strokes of points. Copies are deep.
class Document : public AnnotatedRegion<Layer> {
public:
    Document();
    Document(const Document& other) = default;
    Document(Document&& other) = default;
    Document& operator=(const Document& other) = default;
    Document& operator=(Document&& other) = default;
    ~Document() override;

    void addElementAtHead(const Layer& layer) override;
    void updateBindingRectangle(const Layer& layer) const override;

    // Set by a reader that read its file to the end.
    Property<bool> loaded;
};

} // namespace Pelm

#endif
