# Reads facts.json, the facts that more than one language of the project reads, into variables
# named after their place in the file: facts.identity.title, facts.window.minPanelWidth and so on.
# A list of numbers is written out as C and the resource script take it ("113, 41, 50, 14"), and a
# colour "#RRGGBB" gives a second variable <name>.argb, "0xFFRRGGBB", an opaque colour for C++.
# The templates of the generated headers name these variables; a change of the file configures the
# build again.
set(facts_file ${CMAKE_CURRENT_LIST_DIR}/../facts.json)
file(READ ${facts_file} facts_json)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${facts_file})

# Sets a variable for every value of the object json below the name prefix, in the caller's scope.
# Members whose key begins with "$" are comments.
function(read_facts json prefix)
  set(names "")
  string(JSON count LENGTH "${json}")
  math(EXPR last "${count} - 1")
  foreach(i RANGE ${last})
    string(JSON key MEMBER "${json}" ${i})
    if(key MATCHES "^\\$")
      continue()
    endif()
    string(JSON type TYPE "${json}" "${key}")
    string(JSON value GET "${json}" "${key}")
    set(name ${prefix}.${key})
    if(type STREQUAL "OBJECT")
      read_facts("${value}" ${name})
      list(APPEND names ${facts_names})
      continue()
    endif()
    if(type STREQUAL "ARRAY")
      string(JSON length LENGTH "${value}")
      math(EXPR end "${length} - 1")
      set(items "")
      foreach(j RANGE ${end})
        string(JSON item GET "${value}" ${j})
        list(APPEND items ${item})
      endforeach()
      list(JOIN items ", " value)
    elseif(value MATCHES "[\"\\\\\n]")
      message(FATAL_ERROR "facts.json: ${name} holds a quote, a backslash or a line break")
    elseif(value MATCHES "^#([0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f])$")
      set(${name}.argb "0xFF${CMAKE_MATCH_1}")
      list(APPEND names ${name}.argb)
    endif()
    set(${name} "${value}")
    list(APPEND names ${name})
  endforeach()
  foreach(name IN LISTS names)
    set(${name} "${${name}}" PARENT_SCOPE)
  endforeach()
  set(facts_names "${names}" PARENT_SCOPE)
endfunction()

read_facts("${facts_json}" facts)
