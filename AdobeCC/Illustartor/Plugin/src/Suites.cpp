#include "Suites.h"

#include "SuitePointers.h"

SPBasicSuite* sSPBasic = nullptr;

SuitePtr<SPAccessSuite> sSPAccess;
SuitePtr<SPPluginsSuite> sSPPlugins;
SuitePtr<AINotifierSuite> sAINotifier;
SuitePtr<AIAppContextSuite> sAIAppContext;
SuitePtr<void> sAIUser;
SuitePtr<AIFilePathSuite> sAIFilePath;
SuitePtr<void> sAIFolders;

SuitePtr<AIUnicodeStringSuite> sAIUnicodeString;
SuitePtr<SPBlocksSuite> sSPBlocks;
SuitePtr<AIFileFormatSuite> sAIFileFormat;
SuitePtr<AIDocumentSuite> sAIDocument;
SuitePtr<AIArtSuite> sAIArt;
SuitePtr<AIPathSuite> sAIPath;
SuitePtr<AIPathStyleSuite> sAIPathStyle;
SuitePtr<AILayerSuite> sAILayer;
SuitePtr<AITabletDataSuite> sAITabletData;
SuitePtr<AIArtStyleSuite> sAIArtStyle;
SuitePtr<AIRuntimeSuite> sAIRuntime;
SuitePtr<AIArtSetSuite> sAIArtSet;

namespace {

// Held for the host's sake; the plug-in never calls them.
const void* sAITextFrame = nullptr;
const void* sAIMatchingArt = nullptr;
const void* sAIMdMemory = nullptr;
const void* sAIApplication = nullptr;
const void* sAIDocumentList = nullptr;
const void* sAIRealBezier = nullptr;
const void* sAIShapeConstruction = nullptr;

enum TextEngineSuite {
    kATETextFrame,
    kATEDocumentTextResources,
    kATECharFeatures,
    kATECharInspector,
    kATEFind,
    kATEParaFeatures,
    kATEParaInspector,
    kATESpell,
    kATEApplicationPaint,
    kATEArrayComposerEngine,
    kTextEngineSuiteCount
};
const void* sATESuites[kTextEngineSuiteCount] = {};

template <typename Suite>
const void** slot(SuitePtr<Suite>& pointer)
{
    return &pointer.raw;
}

AIErr AcquireSuite(const ImportSuite& entry)
{
    if (!entry.suite)
        return kNoErr;
    if (!sSPBasic)
        return kCantHappenErr;
    return sSPBasic->AcquireSuite(entry.name, entry.version, entry.suite);
}

AIErr ReleaseSuite(const ImportSuite& entry)
{
    if (!entry.suite || !*entry.suite)
        return kNoErr;
    const AIErr error = sSPBasic ? sSPBasic->ReleaseSuite(entry.name, entry.version) : kCantHappenErr;
    *entry.suite = nullptr;
    return error;
}

// Acquires the entries up to the end entry; the first error stops it.
AIErr acquireTable(const ImportSuite* table)
{
    for (const ImportSuite* entry = table; entry->name; ++entry)
        if (const AIErr error = AcquireSuite(*entry))
            return error;
    return kNoErr;
}

// Releases every held entry up to the end entry.
void releaseTable(const ImportSuite* table)
{
    for (const ImportSuite* entry = table; entry->name; ++entry)
        ReleaseSuite(*entry);
}

std::int16_t countEntries(const ImportSuite* table)
{
    std::int16_t count = 0;
    while (table[count].name)
        ++count;
    return count;
}

} // namespace

const ImportSuite gBasicSuites[] = {
    {kSPAccessSuite, kSPAccessSuiteVersion, slot(sSPAccess)},
    {kSPPluginsSuite, kSPPluginsSuiteVersion, slot(sSPPlugins)},
    {kAINotifierSuite, kAINotifierSuiteVersion, slot(sAINotifier)},
    {kAIAppContextSuite, kAIAppContextSuiteVersion, slot(sAIAppContext)},
    {kAIUserSuite, kAIUserSuiteVersion, slot(sAIUser)},
    {kAIFilePathSuite, kAIFilePathSuiteVersion, slot(sAIFilePath)},
    {kAIFoldersSuite, kAIFoldersSuiteVersion, slot(sAIFolders)},
    {nullptr, 0, nullptr},
};

const ImportSuite gImportSuites[] = {
    {kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion, slot(sAIUnicodeString)},
    {kSPBlocksSuite, kSPBlocksSuiteVersion, slot(sSPBlocks)},
    {kAIFileFormatSuite, kAIFileFormatSuiteVersion, slot(sAIFileFormat)},
    {kAIDocumentSuite, kAIDocumentSuiteVersion, slot(sAIDocument)},
    {kAITextFrameSuite, kAITextFrameSuiteVersion, &sAITextFrame},
    {kAIArtSuite, kAIArtSuiteVersion, slot(sAIArt)},
    {kAIPathSuite, kAIPathSuiteVersion, slot(sAIPath)},
    {kAIMatchingArtSuite, kAIMatchingArtSuiteVersion, &sAIMatchingArt},
    {kAIMdMemorySuite, kAIMdMemorySuiteVersion, &sAIMdMemory},
    {kAIApplicationSuite, kAIApplicationSuiteVersion, &sAIApplication},
    {kAIDocumentListSuite, kAIDocumentListSuiteVersion, &sAIDocumentList},
    {kAIPathStyleSuite, kAIPathStyleSuiteVersion, slot(sAIPathStyle)},
    {kAILayerSuite, kAILayerSuiteVersion, slot(sAILayer)},
    {kAIRealBezierSuite, kAIRealBezierSuiteVersion, &sAIRealBezier},
    {kAITabletDataSuite, kAITabletDataSuiteVersion, slot(sAITabletData)},
    {kAIArtStyleSuite, kAIArtStyleSuiteVersion, slot(sAIArtStyle)},
    {kAIShapeConstructionSuite, kAIShapeConstructionSuiteVersion, &sAIShapeConstruction},
    {kAIRuntimeSuite, kAIRuntimeSuiteVersion, slot(sAIRuntime)},
    {kAIArtSetSuite, kAIArtSetSuiteVersion, slot(sAIArtSet)},
    {"ATE TextFrame Suite", 101, &sATESuites[kATETextFrame]},
    {"ATE DocumentTextResources Suite", 101, &sATESuites[kATEDocumentTextResources]},
    {"ATE CharFeatures Suite", 101, &sATESuites[kATECharFeatures]},
    {"ATE CharInspector Suite", 101, &sATESuites[kATECharInspector]},
    {"ATE Find Suite", 101, &sATESuites[kATEFind]},
    {"ATE ParaFeatures Suite", 101, &sATESuites[kATEParaFeatures]},
    {"ATE ParaInspector Suite", 101, &sATESuites[kATEParaInspector]},
    {"ATE Spell Suite", 101, &sATESuites[kATESpell]},
    {"ATE ApplicationPaint Suite", 1, &sATESuites[kATEApplicationPaint]},
    {"ATE ArrayComposerEngine Suite", 1, &sATESuites[kATEArrayComposerEngine]},
    {nullptr, 0, nullptr},
};

std::int32_t Suites::fAcquiredCount = 0;

Suites::Suites(const ImportSuite* importTable)
    : fTable(importTable), fError(kNoErr), fOptionalSuiteTotalCount(0), fRequiredSuiteCount(0),
      fOptionalSuitesAcquiredCount(0)
{
    fError = AcquireSuites();
    fRequiredSuiteCount = countEntries(fTable);
    if (hasOptionalSuites())
        fOptionalSuiteTotalCount = countEntries(requiredEnd() + 1);
    if (fError == kNoErr)
        acquire_Optional_Suites();
}

Suites::~Suites() { ReleaseSuites(); }

const ImportSuite* Suites::requiredEnd() const { return fTable + countEntries(fTable); }

bool Suites::hasOptionalSuites() const { return requiredEnd()->version == kOptionalSuitesFollow; }

AIErr Suites::AcquireSuites()
{
    if (fAcquiredCount != 0) {
        ++fAcquiredCount;
        return kNoErr;
    }
    AIErr error = acquireTable(gBasicSuites);
    if (error == kNoErr)
        error = acquireTable(fTable);
    if (error == kNoErr)
        ++fAcquiredCount;
    return error;
}

// A failed acquisition leaves the count at 0, so its release frees what the
// acquisition took before it stopped.
void Suites::ReleaseSuites()
{
    if (fAcquiredCount > 0 && --fAcquiredCount > 0)
        return;
    fAcquiredCount = 0;
    releaseTable(gBasicSuites);
    releaseTable(fTable);
    if (!hasOptionalSuites())
        return;
    for (const ImportSuite* entry = requiredEnd() + 1; entry->name; ++entry)
        if (entry->suite && *entry->suite && ReleaseSuite(*entry) == kNoErr)
            --fOptionalSuitesAcquiredCount;
}

void Suites::acquire_Optional_Suites()
{
    if (fOptionalSuitesAcquiredCount >= fOptionalSuiteTotalCount)
        return;
    for (const ImportSuite* entry = requiredEnd() + 1; entry->name; ++entry)
        if (entry->suite && !*entry->suite && AcquireSuite(*entry) == kNoErr)
            ++fOptionalSuitesAcquiredCount;
}
