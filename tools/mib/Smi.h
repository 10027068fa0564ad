// libsmi's header for C++: smi.h names a parameter `class`, a C++ keyword,
// so the name is changed while the header is read.
#ifndef TEVASN_MIB_SMI_H
#define TEVASN_MIB_SMI_H

#define class smi_class
#include <smi.h>
#undef class

#endif  // TEVASN_MIB_SMI_H
