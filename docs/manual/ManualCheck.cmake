# SPDX-License-Identifier: MIT
# The manual was made and Doxygen had nothing to say: every public name is documented, every page,
# picture and example it names was found.
# Run as: cmake -DLOG=.../warnings.txt -DINDEX=.../html/index.html -P ManualCheck.cmake
if(NOT EXISTS ${INDEX} OR NOT EXISTS ${LOG})
  message(FATAL_ERROR "manual check: the manual was not made (${INDEX})")
endif()
file(STRINGS ${LOG} warnings)
list(LENGTH warnings count)
if(count GREATER 0)
  list(SUBLIST warnings 0 40 first)
  list(JOIN first "\n" first)
  message(FATAL_ERROR "manual check: Doxygen gave ${count} warnings:\n${first}")
endif()
