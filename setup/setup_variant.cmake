# tavix_setup_variant(<target> [OUTPUT_DIRECTORY dir]
#                     [PACKAGENAME text] [PRODUCTCODE text] [PRODUCTNAME text]
#                     [VERSION text] [LANGUAGES id...] [LOGPATH text]
#                     [PACKAGEFILE file] [TRANSFORMS <id> <file> ...]
#                     [NO_<resource>] [EMPTY_<text>] [BLANK_<text>]
#                     [NO_DIALOG])
#
# Builds <target>.exe with the given data resources; whatever is not given is
# the shipped value. NO_<resource> leaves a resource out (NO_LANG1040 too);
# for the texts, EMPTY_<name> makes one zero bytes and BLANK_<name> a text of
# no characters (the terminator alone). NO_DIALOG leaves out template 129.
# Texts are stored as zero-terminated UTF-16LE, language 1033.
function(tavix_setup_variant target)
  set(_texts PACKAGENAME PRODUCTCODE PRODUCTNAME VERSION LANGUAGES LOGPATH)
  set(_all ${_texts} PACKAGEFILE LANG1031 LANG1034 LANG1036 LANG1040)
  set(_options NO_DIALOG)
  foreach(name IN LISTS _all)
    list(APPEND _options NO_${name})
  endforeach()
  foreach(name IN LISTS _texts)
    list(APPEND _options EMPTY_${name} BLANK_${name})
  endforeach()
  cmake_parse_arguments(V "${_options}"
    "OUTPUT_DIRECTORY;PACKAGENAME;PRODUCTCODE;PRODUCTNAME;VERSION;LOGPATH;PACKAGEFILE"
    "LANGUAGES;TRANSFORMS" ${ARGN})
  foreach(field PACKAGENAME PRODUCTCODE PRODUCTNAME VERSION LANGUAGES PACKAGEFILE)
    if(NOT DEFINED V_${field})
      set(V_${field} "${TAVIX_SHIPPED_${field}}")
    endif()
  endforeach()
  if(NOT DEFINED V_TRANSFORMS)
    set(V_TRANSFORMS ${TAVIX_SHIPPED_TRANSFORMS})
  endif()
  if(NOT V_OUTPUT_DIRECTORY)
    set(V_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/setup-variants)
  endif()

  set(rc "LANGUAGE 9, 1\n")
  set(files "")
  foreach(name IN LISTS _texts)
    if(V_NO_${name})
      continue()
    elseif(V_EMPTY_${name})
      string(APPEND rc "\"${name}\" RCDATA { }\n")
    elseif(V_BLANK_${name})
      string(APPEND rc "\"${name}\" RCDATA { L\"\\0\" }\n")
    elseif(DEFINED V_${name})
      string(REPLACE "\\" "\\\\" text "${V_${name}}")
      string(REPLACE "\"" "\"\"" text "${text}")
      string(APPEND rc "\"${name}\" RCDATA { L\"${text}\\0\" }\n")
    endif()
  endforeach()
  if(V_PACKAGEFILE AND NOT V_NO_PACKAGEFILE)
    string(APPEND rc "PACKAGEFILE RCDATA \"${V_PACKAGEFILE}\"\n")
    list(APPEND files "${V_PACKAGEFILE}")
  endif()
  while(V_TRANSFORMS)
    list(POP_FRONT V_TRANSFORMS language file)
    if(NOT V_NO_LANG${language})
      string(APPEND rc "LANG${language} RCDATA \"${file}\"\n")
      list(APPEND files "${file}")
    endif()
  endwhile()

  set(rc_file ${CMAKE_CURRENT_BINARY_DIR}/${target}_data.rc)
  file(CONFIGURE OUTPUT ${rc_file} CONTENT "${rc}" @ONLY)
  set_source_files_properties(${rc_file} PROPERTIES OBJECT_DEPENDS "${files}")

  add_executable(${target} WIN32 ${rc_file})
  target_link_libraries(${target} PRIVATE tavix_setup_program tavix_setup)
  if(NOT V_NO_DIALOG)
    target_link_libraries(${target} PRIVATE tavix_setup_dialog_template)
  endif()
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${V_OUTPUT_DIRECTORY})
  add_dependencies(${target} setup_package)
endfunction()
