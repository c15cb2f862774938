// The one export macro of the library. Every exported class, explicit template
// instantiation and free function carries ORV_TESS_VARNAK_API; everything else stays
// hidden (the library is built with hidden visibility by default, and a Windows DLL
// exports only what is marked).
//
// On Windows the library's own build defines ORV_TESS_VARNAK_BUILDING, so the macro
// exports there and imports in every host.
//
// Class templates: the macro goes on the explicit instantiation declaration in the
// public header, and only there:
//
//     extern template class ORV_TESS_VARNAK_API StdBaseTable<IOilTable>;   // header
//     template class StdBaseTable<IOilTable>;                              // src/*.cpp
//
// The source that holds the instantiation definition includes the header, so the
// declaration's export (or visibility) already applies to every member it instantiates;
// MinGW exports them all from the DLL that way. On the definition the macro adds nothing:
// GCC, native and MinGW alike, ignores it there with the warning "type attributes ignored
// after type is already defined", which the build treats as an error. (Leaving the macro
// off the declaration instead is no alternative: then GCC ignores it on the definition
// too, and the instantiation is neither exported nor visible.)
#ifndef ORV_TESS_VARNAK_EXPORT_H
#define ORV_TESS_VARNAK_EXPORT_H

// Marks a class, explicit instantiation or function as part of the exported interface.
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
