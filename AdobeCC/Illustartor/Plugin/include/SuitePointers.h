#ifndef HLV_SUITEPOINTERS_H
#define HLV_SUITEPOINTERS_H

// One process-wide pointer per suite, null while the suite is not held.

#include "HostSuites.h"

template <typename Suite>
struct SuitePtr {
    const void* raw = nullptr;

    const Suite* operator->() const { return static_cast<const Suite*>(raw); }
    explicit operator bool() const { return raw != nullptr; }
};

// The host's basic suite, stored from every message.
extern SPBasicSuite* sSPBasic;

extern SuitePtr<SPAccessSuite> sSPAccess;
extern SuitePtr<SPPluginsSuite> sSPPlugins;
extern SuitePtr<AINotifierSuite> sAINotifier;
extern SuitePtr<AIAppContextSuite> sAIAppContext;
extern SuitePtr<void> sAIUser;
extern SuitePtr<AIFilePathSuite> sAIFilePath;
extern SuitePtr<void> sAIFolders;

extern SuitePtr<AIUnicodeStringSuite> sAIUnicodeString;
extern SuitePtr<SPBlocksSuite> sSPBlocks;
extern SuitePtr<AIFileFormatSuite> sAIFileFormat;
extern SuitePtr<AIDocumentSuite> sAIDocument;
extern SuitePtr<AIArtSuite> sAIArt;
extern SuitePtr<AIPathSuite> sAIPath;
extern SuitePtr<AIPathStyleSuite> sAIPathStyle;
extern SuitePtr<AILayerSuite> sAILayer;
extern SuitePtr<AITabletDataSuite> sAITabletData;
extern SuitePtr<AIArtStyleSuite> sAIArtStyle;
extern SuitePtr<AIRuntimeSuite> sAIRuntime;
extern SuitePtr<AIArtSetSuite> sAIArtSet;

#endif
