#ifndef PELM_DOCUMENT_H
#define PELM_DOCUMENT_H

#include "Layer.h"

namespace Pelm {

// The readers refuse sketches of more layers: a layer costs some 800 bytes
// however little it holds (a WPI file can open one every nine bytes), and
// no real sketch comes near.
constexpr unsigned long maxDocumentLayers = 10000;

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
