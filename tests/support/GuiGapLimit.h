#ifndef DRAVELLO_TESTS_GUIGAPLIMIT_H
#define DRAVELLO_TESTS_GUIGAPLIMIT_H

// The longest gap between GUI-thread timer ticks that a test allows while
// the program waits on something: 100 ms. A sanitizer build runs the GUI
// thread several times slower, so there the bar is 500 ms; a wait that
// holds the thread still fails it, as such waits last seconds.

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define DRAVELLO_TESTS_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define DRAVELLO_TESTS_SANITIZED 1
#endif
#endif

namespace testsupport {

#ifdef DRAVELLO_TESTS_SANITIZED
constexpr long long kLongestGuiGapMs = 500;
#else
constexpr long long kLongestGuiGapMs = 100;
#endif

} // namespace testsupport

#endif
