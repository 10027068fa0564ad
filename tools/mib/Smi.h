// libsmi's header for C++: smi.h names a parameter `class`, a C++ keyword,
// so the name is changed while the header is read.
#ifndef TEVASN_MIB_SMI_H
#define TEVASN_MIB_SMI_H

#ifdef __clang__
#pragma clang diagnostic push
#pragma clang diagnostic ignored "-Wkeyword-macro"
#endif
#define class smi_class
#include <smi.h>
#undef class
#ifdef __clang__
#pragma clang diagnostic pop
#endif

#endif  // TEVASN_MIB_SMI_H
