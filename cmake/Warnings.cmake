# The warnings every target of ours compiles with; CMAKE_COMPILE_WARNING_AS_ERROR makes them fatal.
add_library(kvardelon_warnings INTERFACE)
if(MSVC)
    target_compile_options(kvardelon_warnings INTERFACE /W4 /utf-8)
else()
    target_compile_options(kvardelon_warnings INTERFACE
        -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
        -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual -Wimplicit-fallthrough
        # Designated initializers leave the members with defaults unnamed on purpose.
        -Wno-missing-field-initializers)
endif()
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    # GCC 12 at -O3 reports std::string concatenation as overlapping copies (a known false alarm).
    target_compile_options(kvardelon_warnings INTERFACE -Wno-restrict)
endif()
