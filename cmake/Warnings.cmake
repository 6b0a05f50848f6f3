# One INTERFACE target carries the warning flags for every project target.
add_library(ondivel_warnings INTERFACE)
target_compile_options(ondivel_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wmissing-declarations -Wcast-align)
if(ONDIVEL_WERROR)
    target_compile_options(ondivel_warnings INTERFACE -Werror)
endif()
if(ONDIVEL_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()
if(ONDIVEL_ANALYZE)
    target_compile_options(ondivel_warnings INTERFACE -fanalyzer)
endif()
