#ifndef HLV_HOSTSUITES_H
#define HLV_HOSTSUITES_H

// The host's suites: tables of functions that a plug-in acquires by name and
// version through the basic suite. Each member is one slot of the table.
// Slots whose place the plug-in depends on are checked below; the others
// (marked "placed here") are this interface's own choice, as are the slots
// left reserved, which the host may fill with anything.

#include "HostTypes.h"

using HostReservedSlot = void (*)();

#define HLV_CHECK_SLOT(suite, member, slot)                                      \
    static_assert(offsetof(suite, member) == (slot) * sizeof(HostReservedSlot), \
                  #suite "::" #member " must be slot " #slot)

// ---- basic suite (handed over in every message) ----------------------------
// Placed here: 0 AcquireSuite, 1 ReleaseSuite.
struct SPBasicSuite {
    AIErr (*AcquireSuite)(const char* name, std::int32_t version, const void** suite);
    AIErr (*ReleaseSuite)(const char* name, std::int32_t version);
};

// ---- suites acquired first -------------------------------------------------
constexpr const char* kSPAccessSuite = "SP Access Suite";
constexpr std::int32_t kSPAccessSuiteVersion = 3;
// Placed here: 0 AcquirePlugin, 1 ReleasePlugin.
struct SPAccessSuite {
    AIErr (*AcquirePlugin)(SPPluginRef plugin, SPAccessRef* access);
    AIErr (*ReleasePlugin)(SPAccessRef access);
};

constexpr const char* kSPPluginsSuite = "SP Plug-ins Suite";
constexpr std::int32_t kSPPluginsSuiteVersion = 4;
// Placed here: 0 SetPluginName.
struct SPPluginsSuite {
    AIErr (*SetPluginName)(SPPluginRef plugin, const char* name);
};

constexpr const char* kAINotifierSuite = "AI Notifier Suite";
constexpr std::int32_t kAINotifierSuiteVersion = 1004;
// Placed here: 0 AddNotifier.
struct AINotifierSuite {
    AIErr (*AddNotifier)(SPPluginRef plugin, const char* name, const char* type,
                         AINotifierHandle* notifier);
};

constexpr const char* kAIAppContextSuite = "AI Context Suite";
constexpr std::int32_t kAIAppContextSuiteVersion = 1007;
// Placed here: 0 PushAppContext, 1 PopAppContext.
struct AIAppContextSuite {
    AIErr (*PushAppContext)(SPPluginRef plugin, AIAppContextHandle* context);
    AIErr (*PopAppContext)(AIAppContextHandle context);
};

constexpr const char* kAIUserSuite = "AI User Suite";
constexpr std::int32_t kAIUserSuiteVersion = 1011;

constexpr const char* kAIFilePathSuite = "AI File Path Suite";
constexpr std::int32_t kAIFilePathSuiteVersion = 1004;
// Placed here: every slot.
struct AIFilePathSuite {
    AIErr (*NewFilePathFromUnicode)(AIUnicodeStringHandle text, AIBoolean expandName,
                                    AIFilePathHandle* path);
    AIErr (*CopyFilePath)(AIFilePathHandle source, AIFilePathHandle* copy);
    AIErr (*GetFileExtension)(AIFilePathHandle path, AIUnicodeStringHandle* extension);
    AIErr (*GetFullPath)(AIFilePathHandle path, AIBoolean displayName, AIUnicodeStringHandle* text);
    AIErr (*DisposeFilePath)(AIFilePathHandle path);
};

constexpr const char* kAIFoldersSuite = "AI Folders Suite";
constexpr std::int32_t kAIFoldersSuiteVersion = 1005;

// ---- suites of the import --------------------------------------------------
constexpr const char* kAIUnicodeStringSuite = "AI Unicode String Suite";
constexpr std::int32_t kAIUnicodeStringSuiteVersion = 1008;
// Placed here: every slot. Lengths are in bytes of the given encoding.
// GetAs writes at most capacity bytes (none for a null buffer) and always
// answers the whole length.
struct AIUnicodeStringSuite {
    AIErr (*NewUnicodeString)(const char* text, std::int64_t length, std::int32_t encoding,
                              AIUnicodeStringHandle* string);
    AIErr (*AppendUnicodeString)(AIUnicodeStringHandle string, AIUnicodeStringHandle tail);
    AIErr (*CaseCompare)(AIUnicodeStringHandle left, AIUnicodeStringHandle right, std::int32_t* order);
    AIErr (*GetAs)(AIUnicodeStringHandle string, std::int32_t encoding, char* buffer,
                   std::int64_t capacity, std::int64_t* length);
    AIErr (*DisposeUnicodeString)(AIUnicodeStringHandle string);
};

constexpr const char* kSPBlocksSuite = "SP Blocks Suite";
constexpr std::int32_t kSPBlocksSuiteVersion = 2;
// Placed here: 0 AllocateBlock, 1 FreeBlock.
struct SPBlocksSuite {
    AIErr (*AllocateBlock)(std::size_t size, const char* debugName, void** block);
    AIErr (*FreeBlock)(void* block);
};

constexpr const char* kAIFileFormatSuite = "AI File Format Suite";
constexpr std::int32_t kAIFileFormatSuiteVersion = 1013;
// Placed here: 0 AddFileFormat.
struct AIFileFormatSuite {
    AIErr (*AddFileFormat)(SPPluginRef plugin, const char* name, const AIFileFormatRecord* record,
                           std::int32_t options, AIFileFormatHandle* fileFormat,
                           std::int32_t extraOptions);
};

constexpr const char* kAIDocumentSuite = "AI Document Suite";
constexpr std::int32_t kAIDocumentSuiteVersion = 1014;
struct AIDocumentSuite {
    HostReservedSlot reserved0to2[3];
    AIErr (*SetDocumentRulerOrigin)(const AIRealPoint* origin);
    HostReservedSlot reserved4to9[6];
    AIErr (*GetDocumentSetup)(AIDocumentSetup* setup);
    AIErr (*SetDocumentSetup)(const AIDocumentSetup* setup);
};
HLV_CHECK_SLOT(AIDocumentSuite, SetDocumentRulerOrigin, 3);
HLV_CHECK_SLOT(AIDocumentSuite, GetDocumentSetup, 10);
HLV_CHECK_SLOT(AIDocumentSuite, SetDocumentSetup, 11);

constexpr const char* kAIArtSuite = "AI Art Suite";
constexpr std::int32_t kAIArtSuiteVersion = 1017;
struct AIArtSuite {
    AIErr (*NewArt)(std::int16_t type, std::int16_t paintOrder, AIArtHandle prep, AIArtHandle* art);
    HostReservedSlot reserved1to3[3];
    AIErr (*GetFirstArtOfLayer)(AILayerHandle layer, AIArtHandle* art);
};
HLV_CHECK_SLOT(AIArtSuite, NewArt, 0);
HLV_CHECK_SLOT(AIArtSuite, GetFirstArtOfLayer, 4);

constexpr const char* kAIPathSuite = "AI Path Suite";
constexpr std::int32_t kAIPathSuiteVersion = 1011;
struct AIPathSuite {
    HostReservedSlot reserved0;
    AIErr (*SetPathSegmentCount)(AIArtHandle path, std::int16_t count);
    HostReservedSlot reserved2;
    AIErr (*SetPathSegments)(AIArtHandle path, std::int16_t first, std::int16_t count,
                             const AIPathSegment* segments);
    HostReservedSlot reserved4to6[3];
    AIErr (*SetPathClosed)(AIArtHandle path, AIBoolean closed);
};
HLV_CHECK_SLOT(AIPathSuite, SetPathSegmentCount, 1);
HLV_CHECK_SLOT(AIPathSuite, SetPathSegments, 3);
HLV_CHECK_SLOT(AIPathSuite, SetPathClosed, 7);

constexpr const char* kAIPathStyleSuite = "AI Path Style Suite";
constexpr std::int32_t kAIPathStyleSuiteVersion = 1013;
// Placed here: 0 OpenStyleLibrary (opens a library file as a document).
struct AIPathStyleSuite {
    AIErr (*OpenStyleLibrary)(AIFilePathHandle path, AIDocumentHandle* library);
};

constexpr const char* kAILayerSuite = "AI Layer Suite";
constexpr std::int32_t kAILayerSuiteVersion = 1013;
// Layer index 0 is the topmost layer.
struct AILayerSuite {
    AIErr (*CountLayers)(std::int32_t* count);
    AIErr (*GetNthLayer)(std::int32_t index, AILayerHandle* layer);
    HostReservedSlot reserved2;
    AIErr (*SetCurrentLayer)(AILayerHandle layer);
    AIErr (*GetFirstLayer)(AILayerHandle* layer);
    HostReservedSlot reserved5;
    AIErr (*InsertLayer)(AILayerHandle reference, std::int16_t paintOrder, AILayerHandle* layer);
    HostReservedSlot reserved7to16[10];
    AIErr (*SetLayerEditable)(AILayerHandle layer, AIBoolean editable);
    HostReservedSlot reserved18to24[7];
    AIErr (*LayerHasArt)(AILayerHandle layer, AIBoolean* hasArt);
};
HLV_CHECK_SLOT(AILayerSuite, CountLayers, 0);
HLV_CHECK_SLOT(AILayerSuite, GetNthLayer, 1);
HLV_CHECK_SLOT(AILayerSuite, SetCurrentLayer, 3);
HLV_CHECK_SLOT(AILayerSuite, GetFirstLayer, 4);
HLV_CHECK_SLOT(AILayerSuite, InsertLayer, 6);
HLV_CHECK_SLOT(AILayerSuite, SetLayerEditable, 17);
HLV_CHECK_SLOT(AILayerSuite, LayerHasArt, 25);

constexpr const char* kAITabletDataSuite = "AI TabletData Suite";
constexpr std::int32_t kAITabletDataSuiteVersion = 1003;
struct AITabletDataSuite {
    HostReservedSlot reserved0;
    AIErr (*SetTabletData)(AIArtHandle path, const AITabletProfile* profile, std::int32_t count,
                           std::int32_t kind);
};
HLV_CHECK_SLOT(AITabletDataSuite, SetTabletData, 1);

constexpr const char* kAIArtStyleSuite = "AI Art Style Suite";
constexpr std::int32_t kAIArtStyleSuiteVersion = 1007;
// Placed here: 13 GetArtStyleByName (a named style of a document).
struct AIArtStyleSuite {
    HostReservedSlot reserved0to5[6];
    AIErr (*SetArtStyle)(AIArtHandle art, AIArtStyleHandle style);
    HostReservedSlot reserved7to11[5];
    AIErr (*CreateNamedStyle)(AIArtStyleHandle source, AIUnicodeStringHandle name,
                              AIBoolean uniqueName, AIArtStyleHandle* named);
    AIErr (*GetArtStyleByName)(AIDocumentHandle document, AIUnicodeStringHandle name,
                               AIArtStyleHandle* style);
};
HLV_CHECK_SLOT(AIArtStyleSuite, SetArtStyle, 6);
HLV_CHECK_SLOT(AIArtStyleSuite, CreateNamedStyle, 12);

constexpr const char* kAIRuntimeSuite = "AI Runtime Suite";
constexpr std::int32_t kAIRuntimeSuiteVersion = 1012;
// Placed here: 0 GetAppMajorVersion, 1 GetAppMinorVersion.
struct AIRuntimeSuite {
    AIErr (*GetAppMajorVersion)(std::int32_t* major);
    AIErr (*GetAppMinorVersion)(std::int32_t* minor);
};

constexpr const char* kAIArtSetSuite = "AI Art Set Suite";
constexpr std::int32_t kAIArtSetSuiteVersion = 1008;
// Placed here: 1 DisposeArtSet.
struct AIArtSetSuite {
    AIErr (*NewArtSet)(AIArtSet* set);
    AIErr (*DisposeArtSet)(AIArtSet* set);
    AIErr (*CountArtSet)(AIArtSet set, std::size_t* count);
    AIErr (*IndexArtSet)(AIArtSet set, std::size_t index, AIArtHandle* art);
    HostReservedSlot reserved4to6[3];
    AIErr (*LayerArtSet)(AILayerHandle layer, AIArtSet set);
};
HLV_CHECK_SLOT(AIArtSetSuite, NewArtSet, 0);
HLV_CHECK_SLOT(AIArtSetSuite, CountArtSet, 2);
HLV_CHECK_SLOT(AIArtSetSuite, IndexArtSet, 3);
HLV_CHECK_SLOT(AIArtSetSuite, LayerArtSet, 7);

// ---- suites acquired but never called --------------------------------------
constexpr const char* kAITextFrameSuite = "AI Text Frame Suite";
constexpr std::int32_t kAITextFrameSuiteVersion = 1004;
constexpr const char* kAIMatchingArtSuite = "AI Matching Art Suite";
constexpr std::int32_t kAIMatchingArtSuiteVersion = 1007;
constexpr const char* kAIMdMemorySuite = "AI MdMemory Suite";
constexpr std::int32_t kAIMdMemorySuiteVersion = 1003;
constexpr const char* kAIApplicationSuite = "AI Application Suite";
constexpr std::int32_t kAIApplicationSuiteVersion = 1003;
constexpr const char* kAIDocumentListSuite = "AI Document List Suite";
constexpr std::int32_t kAIDocumentListSuiteVersion = 1008;
constexpr const char* kAIRealBezierSuite = "AI Real Bezier Suite";
constexpr std::int32_t kAIRealBezierSuiteVersion = 1004;
constexpr const char* kAIShapeConstructionSuite = "AI Shape Construction Suite";
constexpr std::int32_t kAIShapeConstructionSuiteVersion = 1006;

// Text-engine suites are all named "ATE <name> Suite".
constexpr const char* kATESuitePrefix = "ATE ";

#undef HLV_CHECK_SLOT

#endif
