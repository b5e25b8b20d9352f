# Every target of the project gets the same strict warning set.
add_library(tavrik_warnings INTERFACE)
target_compile_options(tavrik_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
  -Wcast-align -Wnull-dereference -Wimplicit-fallthrough -Wformat=2 -Wmissing-declarations
  $<$<BOOL:${TAVRIK_WERROR}>:-Werror>)
