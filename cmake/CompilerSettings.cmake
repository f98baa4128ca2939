# Warnings, floating-point contract and the vector-state question, in one place.

add_compile_options(-Wall -Wextra -Wpedantic -Wno-unused-parameter)

# The model rounds ties to even on values that sit exactly on a tie; a fused
# multiply-add would move them off it, so no contraction anywhere.
add_compile_options(-ffp-contract=off)

# Debian's Qt 6 leaves the upper halves of the vector registers dirty (an AVX2
# fill routine returns without vzeroupper). Legacy-SSE code that runs after it
# pays a transition penalty on every instruction, up to ten times slower.
# VEX-encoded code does not, so where the build machine has AVX2 we compile for
# x86-64-v3; QUANTORA_PORTABLE=ON keeps a generic build for older processors.
set(QUANTORA_VEX_FLAGS "")
if(NOT QUANTORA_PORTABLE AND CMAKE_SYSTEM_PROCESSOR MATCHES "x86_64|AMD64")
  if(EXISTS /proc/cpuinfo)
    file(READ /proc/cpuinfo _quantora_cpuinfo)
    if(_quantora_cpuinfo MATCHES " avx2 " AND _quantora_cpuinfo MATCHES " fma "
       AND _quantora_cpuinfo MATCHES " bmi2 " AND _quantora_cpuinfo MATCHES " movbe ")
      set(QUANTORA_VEX_FLAGS -march=x86-64-v3)
    endif()
  endif()
endif()
if(QUANTORA_VEX_FLAGS)
  add_compile_options(${QUANTORA_VEX_FLAGS})
  message(STATUS "Quantora: VEX-encoded build (${QUANTORA_VEX_FLAGS})")
else()
  message(STATUS "Quantora: portable build")
endif()

# Debian's hardening: checked string and memory functions where the optimiser
# can see the sizes, stack protection, and relocations resolved and made
# read-only at start. The sanitizer build has checks of its own.
if(NOT QUANTORA_SANITIZE)
  add_compile_options($<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2> -fstack-protector-strong
                      -Wformat -Werror=format-security)
  add_link_options(-Wl,-z,relro -Wl,-z,now)
endif()

if(QUANTORA_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
