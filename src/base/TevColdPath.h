// TEV_COLD_PATH: keeps a rarely taken path out of the function that calls it,
// so that the common path does not pay for its registers.
#ifndef TEVASNVALUE_SRC_FRAMEWORK_TEVCOLDPATH_H
#define TEVASNVALUE_SRC_FRAMEWORK_TEVCOLDPATH_H

#if defined(__GNUC__)
#define TEV_COLD_PATH __attribute__((noinline, cold))
#elif defined(_MSC_VER)
#define TEV_COLD_PATH __declspec(noinline)
#else
#define TEV_COLD_PATH
#endif

#endif  // TEVASNVALUE_SRC_FRAMEWORK_TEVCOLDPATH_H
