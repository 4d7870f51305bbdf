# Names handed over by the scenario sources are drawn as the archetype their words suggest,
# with their variants; names that try to leave the data folder are ignored.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(WRITE ${WORK}/names.txt "# monsters and items of a scenario\norc_chief.jpg\norc_chief_red.jpg\n\nrusty_sword\nrusty_sword_g.jpg\n../escape.jpg\n")
execute_process(COMMAND ${GENERATOR} --out ${WORK}/data --extra-names ${WORK}/names.txt
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "generator failed: ${result}")
endif()
foreach(name IN ITEMS orc_chief.jpg orc_chief_red.jpg rusty_sword.jpg rusty_sword_g.jpg)
  if(NOT EXISTS ${WORK}/data/${name})
    message(FATAL_ERROR "${name} was not generated")
  endif()
endforeach()
if(EXISTS ${WORK}/escape.jpg)
  message(FATAL_ERROR "a name with a path was written outside the data folder")
endif()
file(REMOVE_RECURSE ${WORK})
