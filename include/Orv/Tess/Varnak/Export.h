// The one export macro of the library. Every exported class, explicit template
// instantiation and free function carries ORV_TESS_VARNAK_API; everything else stays
// hidden (the library is built with hidden visibility by default).
//
// On Windows the library's own build defines ORV_TESS_VARNAK_BUILDING, so the macro
// exports there and imports in every host.
#ifndef ORV_TESS_VARNAK_EXPORT_H
#define ORV_TESS_VARNAK_EXPORT_H

#if defined(_WIN32)
#if defined(ORV_TESS_VARNAK_BUILDING)
#define ORV_TESS_VARNAK_API __declspec(dllexport)
#else
#define ORV_TESS_VARNAK_API __declspec(dllimport)
#endif
#else
#define ORV_TESS_VARNAK_API __attribute__((visibility("default")))
#endif

#endif  // ORV_TESS_VARNAK_EXPORT_H
