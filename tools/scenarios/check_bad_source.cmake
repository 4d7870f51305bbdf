# A source with a fault must make the compiler fail and name the file, line and reason.
# Arguments: TOOL, SRC (a good source to break), ROOT (the folder of all sources), WORK.
function(expect_failure label file edit_from edit_to pattern)
  expect_failure_in(${SRC} ${label} ${file} "${edit_from}" "${edit_to}" "${pattern}")
endfunction()

function(expect_failure_in src label file edit_from edit_to pattern)
  set(dir ${WORK}/${label})
  file(REMOVE_RECURSE ${dir})
  file(COPY ${src}/ DESTINATION ${dir})
  file(READ ${dir}/${file} text)
  string(REPLACE "${edit_from}" "${edit_to}" broken "${text}")
  if(broken STREQUAL text)
    message(FATAL_ERROR "${label}: the edit did not apply")
  endif()
  file(WRITE ${dir}/${file} "${broken}")
  execute_process(COMMAND ${TOOL} compile ${dir} ${dir}/out RESULT_VARIABLE rc ERROR_VARIABLE err)
  if(rc EQUAL 0)
    message(FATAL_ERROR "${label}: the compiler accepted a broken ${file}")
  endif()
  if(NOT err MATCHES "${pattern}")
    message(FATAL_ERROR "${label}: expected '${pattern}', got: ${err}")
  endif()
endfunction()

expect_failure(json_syntax scenario.json "\"title\":" "\"title\" " "scenario.json:2:[0-9]+: ")
expect_failure(map_char map.txt "~~~~" "~~?~" "map.txt:[0-9]+:[0-9]+: unknown map character '\\?'")
expect_failure(monster_level monsters.json "\"level\": 1," "\"level\": 11," "monster 1: \"level\" must lie in")

# A scenario that cannot be played: castles apart, theme places missing or useless, sites off
# the walkable land.
expect_failure_in(${ROOT}/arenaofkings castles_apart map.txt "~.~~~~~~~~.~" "~~~~~~~~~~~~"
  "map.txt:[0-9]+:[0-9]+: the castle of lord 3 cannot be reached by land from the castle of lord 1")
expect_failure_in(${ROOT}/gateofhell no_gate scenario.json "\"kind\": \"theme\"" "\"kind\": \"shrine\""
  "scenario.json:5:1: theme 12 needs its event place")
expect_failure_in(${ROOT}/gateofhell useless_place scenario.json "\"kind\": \"soulstone\""
  "\"kind\": \"theme2\"" "scenario.json:[0-9]+:1: site F: theme 12 has no event for a second place")
expect_failure_in(${ROOT}/cauldrons two_cauldrons scenario.json "\"kind\": \"theme3\""
  "\"kind\": \"shrine\"" "scenario.json:5:1: theme 6 needs at least 2 further event places")
expect_failure_in(${ROOT}/graveyards lonely_graveyard map.txt "~~BA~~~~DC~~" "~~B~A~~~DC~~"
  "map.txt:[0-9]+:3: site B must stand next to a city")
expect_failure_in(${ROOT}/cauldrons site_on_mountain scenario.json "\"kind\": \"soulstone\""
  "\"kind\": \"soulstone\", \"slots\": {\"4\": 6}"
  "scenario.json:[0-9]+:1: site I stands on a field an army cannot enter")
