#ifndef HLV_SUITES_H
#define HLV_SUITES_H

// Counted acquisition of the suites the plug-in needs.

#include "HostTypes.h"

// One suite to acquire. A table ends with an entry whose name is null; when
// that entry's version is kOptionalSuitesFollow, optional entries follow it,
// ended by another null name.
struct ImportSuite {
    const char* name;
    std::int32_t version;
    const void** suite; // the suite's pointer; null for a placeholder
};

constexpr std::int32_t kOptionalSuitesFollow = fourCharCode("OPTS");

extern const ImportSuite gBasicSuites[];
extern const ImportSuite gImportSuites[];

class Suites {
public:
    // Acquires the basic suites and the table's required suites, or only
    // raises the shared count while they are held already.
    explicit Suites(const ImportSuite* importTable = gImportSuites);
    // Lowers the shared count; the last holder releases every suite.
    ~Suites();
    Suites(const Suites&) = delete;
    Suites& operator=(const Suites&) = delete;

    AIErr Error() const { return fError; }
    static void InitializeRefCount() { fAcquiredCount = 1; }
    static std::int32_t AcquiredCount() { return fAcquiredCount; }

    // Tries again every optional suite not held yet.
    void acquire_Optional_Suites();

private:
    AIErr AcquireSuites();
    void ReleaseSuites();
    const ImportSuite* requiredEnd() const;
    bool hasOptionalSuites() const;

    const ImportSuite* fTable;
    AIErr fError;
    std::int16_t fOptionalSuiteTotalCount;
    std::int16_t fRequiredSuiteCount;
    std::int16_t fOptionalSuitesAcquiredCount;

    static std::int32_t fAcquiredCount;
};

#endif
