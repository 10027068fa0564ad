// The export macro of the companion library TevAsnTable.
#ifndef TEVASNVALUE_TEVASNTABLEEXPORT_H
#define TEVASNVALUE_TEVASNTABLEEXPORT_H

/// Marks the exported functions of TevAsnTable. Clients that link a static
/// build on Windows define TEVASNTABLE_STATIC.
#if defined(_WIN32)
#if defined(TEVASNTABLE_BUILDING)
#define TEV_ASN_TABLE_API __declspec(dllexport)
#elif defined(TEVASNTABLE_STATIC)
#define TEV_ASN_TABLE_API
#else
#define TEV_ASN_TABLE_API __declspec(dllimport)
#endif
#else
#define TEV_ASN_TABLE_API __attribute__((visibility("default")))
#endif

#endif  // TEVASNVALUE_TEVASNTABLEEXPORT_H
