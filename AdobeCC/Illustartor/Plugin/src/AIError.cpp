#include "AIError.h"

AIErr currentExceptionCode() noexcept
{
    try {
        throw;
    } catch (const ai::Error& error) {
        return error;
    } catch (...) {
        return kCantHappenErr;
    }
}
