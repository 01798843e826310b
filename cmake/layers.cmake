# The libraries' layers: rent_common at the bottom and, on it, side by side, the ledger, the
# settlement, the tally and the two platform realisations; the programs and the tests put them
# together. rent_check_layers(), called once every target is declared, fails the configuration
# when a library reaches, directly or through others, one of its own layer or one above it.

set(RENT_UPPER_LIBRARIES rent_ledger rent_settlement rent_tally rent_platform_qt
  rent_platform_scripted)

# Sets out_var to every rent_* library that target links, directly or through others.
function(rent_linked_libraries target out_var)
  set(seen "")
  set(todo ${target})
  while(todo)
    list(POP_FRONT todo current)
    get_target_property(links ${current} LINK_LIBRARIES)
    if(NOT links)
      continue()
    endif()
    foreach(lib IN LISTS links)
      if(lib MATCHES "^rent_" AND TARGET ${lib} AND NOT lib IN_LIST seen)
        list(APPEND seen ${lib})
        list(APPEND todo ${lib})
      endif()
    endforeach()
  endwhile()
  set(${out_var} ${seen} PARENT_SCOPE)
endfunction()

function(rent_check_layers)
  foreach(lib rent_common ${RENT_UPPER_LIBRARIES})
    rent_linked_libraries(${lib} reached)
    foreach(upper IN LISTS RENT_UPPER_LIBRARIES)
      if(upper IN_LIST reached)
        message(FATAL_ERROR "${lib} links ${upper}: the libraries on common/ do not link "
          "each other (the programs and the tests put them together)")
      endif()
    endforeach()
  endforeach()
endfunction()
