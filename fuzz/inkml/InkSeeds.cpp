// Writes the seeds of the InkML fuzz targets: the InkML test files and the
// writer's output for a few documents into the reader's folder, and every
// pair of those files, joined by the merge target's separator, into the
// merge folder.

#include "DocumentSerializer.h"
#include "InkFiles.h"
#include "InkMLDefinitions.h"
#include "XmlFile.h"

#include <filesystem>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

using namespace Pelm;
namespace fs = std::filesystem;

namespace {

std::string written(const Document& document, InkMLDefinitions& definitions)
{
    Document copy(document);
    TiXmlDocument xml;
    DocumentSerializer(copy).buildXmlDoc(xml, definitions);
    return xmlFileText(xml);
}

// Twelve layers of awkward values: escaped annotations, one-point and empty
// strokes, large and negative numbers, an empty layer.
Document awkwardDocument()
{
    Document document;
    document.annotations["tag"] = "a & b < c\nnext line";
    document.annotations["empty"] = "";
    for (int l = 0; l < 12; ++l) {
        Layer layer = inktest::layerOf({inktest::strokeOf({Point(0.123456789 * l, -1234567.0, 0, 0, -30, 30, 4000000)}),
                                        inktest::strokeOf({Point(1, 2, 0, 0, 0, 0, 0), Point(5, 6, 0, 1023, 0, 0, 7)}),
                                        Stroke()},
                                       l % 2 ? "layer " + std::to_string(l) : "");
        if (l == 5)
            layer = Layer();
        document.addElement(layer);
    }
    return document;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::cerr << "usage: fuzz_inkml_seeds <reader folder> <merge folder> [InkML file...]\n";
        return 2;
    }
    std::vector<std::pair<std::string, std::string>> files;
    for (int i = 3; i < argc; ++i)
        files.emplace_back(fs::path(argv[i]).filename().string(), inktest::readText(argv[i]));

    DefaultInkMLDefinitions defaults;
    DefaultInkMLDefinitions brushes;
    inktest::addBrushes(brushes);
    InkMLDefinitions none;
    files.emplace_back("written-example.inkml", written(inktest::exampleDocument(), defaults));
    files.emplace_back("written-brushes.inkml", written(inktest::brushesDocument(), brushes));
    files.emplace_back("written-awkward.inkml", written(awkwardDocument(), defaults));
    files.emplace_back("written-empty.inkml", written(Document(), none));

    const fs::path readerFolder = argv[1];
    const fs::path mergeFolder = argv[2];
    fs::create_directories(readerFolder);
    fs::create_directories(mergeFolder);
    for (const auto& [name, text] : files)
        inktest::writeText((readerFolder / name).string(), text);
    for (std::size_t a = 0; a < files.size(); ++a)
        for (std::size_t b = a; b < files.size(); ++b)
            inktest::writeText((mergeFolder / (std::to_string(a) + "-" + std::to_string(b))).string(),
                               files[a].second + "\n--8<--\n" + files[b].second);
    return 0;
}
