# LfnsumWarnings.cmake: every target of the project builds warning-free, at these levels.
option(LFNSUM_WARNINGS_AS_ERRORS "Treat compiler warnings as errors" OFF)

function(lfnsum_set_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /permissive-)
    # MSVC's "use strerror_s instead" advice: the tool has one thread, and the _s functions are
    # not portable.
    target_compile_definitions(${target} PRIVATE _CRT_SECURE_NO_WARNINGS)
    if(LFNSUM_WARNINGS_AS_ERRORS)
      target_compile_options(${target} PRIVATE /WX)
    endif()
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wconversion -Wshadow)
    if(LFNSUM_WARNINGS_AS_ERRORS)
      target_compile_options(${target} PRIVATE -Werror)
    endif()
  endif()
endfunction()
