// Linked into the test programs of a ThreadSanitizer build. Qt itself is not
// built for ThreadSanitizer: its thread pools and event queues hand work over
// through futexes the sanitizer cannot see, so the allocations, copies and
// waits they make inside Qt look like races. Only calls made from our own
// (instrumented) code are checked; every race on our own data is still reported.
extern "C" const char* __tsan_default_options()
{
    return "ignore_noninstrumented_modules=1";
}
