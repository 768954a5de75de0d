# The command line in either language: --lang wherever it stands, the help, the refusals and the
# reports' sentences in the language chosen, the reports' tokens as they are. Included by
# tests/CMakeLists.txt, whose add_command_test runs the command with INVERTER_LANG=it.

# The command with INVERTER_LANG=`environment`: what it prints on either stream, then its exit
# status, must match `expected`.
function(add_language_test name environment expected)
    add_test(NAME cli.language.${name}
             COMMAND sh -c "\"$0\" \"$@\" 2>&1; echo \"status=$?\"" $<TARGET_FILE:inverter-cli>
                     ${ARGN})
    set_tests_properties(cli.language.${name} PROPERTIES PASS_REGULAR_EXPRESSION "${expected}"
                         TIMEOUT 60 ENVIRONMENT INVERTER_LANG=${environment})
endfunction()

# --lang before the command, after it, between its options, as "--lang=en"; the last one wins;
# --lang comes before INVERTER_LANG.
set(english_frequency "^The frequency cannot be zero or negative!\nstatus=2\n$")
set(italian_frequency "^La frequenza non può essere zero o negativa!\nstatus=2\n$")
add_language_test(before_the_command it "${english_frequency}" --lang en ${zero_frequency})
add_language_test(after_the_command it "${english_frequency}" ${zero_frequency} --lang en)
add_language_test(among_the_options it "${english_frequency}" verify --vi 15 --lang en
                  --d-pct 62.5 --f-khz 0 --l-uh 400 --c-uf 60 --rl 25 --n 100 --np 1 --ni 200)
add_language_test(with_equals it "${english_frequency}" ${zero_frequency} --lang=en)
add_language_test(last_one_wins it "${italian_frequency}" --lang en ${zero_frequency} --lang it)
add_language_test(over_the_environment en "${italian_frequency}" ${zero_frequency} --lang it)
add_language_test(environment_alone en "${english_frequency}" ${zero_frequency})
add_language_test(refused_after_the_command it
                  "^inverter-cli verify: --lang vuole it o en, non fr \\(vedi --help\\)\nstatus=64\n$"
                  ${zero_frequency} --lang fr)
add_language_test(refused_in_english en
                  "^inverter-cli verify: --lang wants it or en, not fr \\(see --help\\)\nstatus=64\n$"
                  ${zero_frequency} --lang fr)

# The Italian help of the program and of every command, byte for byte as it has always been; the
# English help says the same without an Italian word, its options' names and values unchanged.
set(commands inverter-cli design verify analyze efficiency sweep tolerance bode netlist)
foreach(command IN LISTS commands)
    set(arguments ${command} --help)
    if(command STREQUAL "inverter-cli")
        set(arguments --help)
    endif()
    add_test(NAME cli.language.italian_help.${command}
             COMMAND sh -c "\"$0\" \"$@\" | cmp - \"${CMAKE_CURRENT_SOURCE_DIR}/cli/italian_help/${command}.txt\""
                     $<TARGET_FILE:inverter-cli> ${arguments} --lang it)
    set_tests_properties(cli.language.italian_help.${command} PROPERTIES TIMEOUT 60)
    add_test(NAME cli.language.english_help.${command}
             COMMAND sh -c "\"$0\" \"$@\"; echo \"status=$?\"" $<TARGET_FILE:inverter-cli>
                     ${arguments} --lang en)
    # Words of the Italian help that no English help holds.
    set_tests_properties(cli.language.english_help.${command} PROPERTIES TIMEOUT 60
        PASS_REGULAR_EXPRESSION "Usage: inverter-cli.*status=0\n$"
        FAIL_REGULAR_EXPRESSION "predefinit|TESTO|NUMERO|INTERO|NOME=| della | dei | delle | degli | il | gli | nel | con | è | più |zione |tensione|corrente|frequenza|numero|valore|scrive|calcola|vuole|rendimento")
endforeach()
add_language_test(english_help_of_an_option it
                  "\n  --vi TEXT REQUIRED +input voltage Vi, V\n.*\n  --n TEXT +number of samples per period N \\(default 1000\\)\n.*\n  --format json\\|csv:{json,csv}\n +output format: json \\(one object\\) or csv \\(header and rows\\)\n"
                  verify --help --lang en)

# Refusals naming an option, and usage lines, in either language.
add_language_test(part_refused_in_english it
                  "^The option --vf wants a finite, non-negative number with a decimal point: abc\nstatus=2\n$"
                  analyze ${example} --vf abc --lang en)
add_language_test(part_refused_in_italian en
                  "^L'opzione --vf vuole un numero finito non negativo, con il punto decimale: abc\nstatus=2\n$"
                  analyze ${example} --lang it --vf abc)
add_language_test(tolerance_refused_in_english it
                  "^The option --tol wants name=percentage separated by commas [^\n]*: rl\nstatus=2\n$"
                  tolerance ${example} --tol rl --lang en)
add_language_test(bode_refused_in_english it
                  "^The option --fc-hz also wants --compensate 2 or 3\nstatus=2\n$"
                  bode ${example} --fc-hz 700 --lang en)
add_language_test(format_refused_in_english it
                  "^inverter-cli verify: --format wants json or csv, not xml \\(see --help\\)\nstatus=64\n$"
                  verify ${example} --format xml --lang en)
add_language_test(format_refused_in_italian en
                  "^inverter-cli verify: --format vuole json o csv, non xml \\(vedi --help\\)\nstatus=64\n$"
                  verify ${example} --format xml --lang it)
add_language_test(missing_command_in_english it
                  "^inverter-cli: missing command: design, verify, analyze, efficiency, sweep, tolerance, bode or netlist \\(see --help\\)\nstatus=64\n$"
                  --lang en)
add_language_test(shard_refused_in_english it
                  "^inverter-cli sweep: --shard wants K/M with 0 <= K < M, e.g. 0/4: 3/3 \\(see --help\\)\nstatus=64\n$"
                  sweep l-uh 200 400 3 ${example} --shard 3/3 --lang en)
add_language_test(netlist_without_periods_in_english it
                  "^The number of iterations NI must be at least 1!\nstatus=2\n$"
                  netlist ${example} --ni 0 --lang en)

# The reports' statuses in English after their tokens; the keys, headers and tokens unchanged.
add_language_test(analysis_status_in_english it
                  "\n    \"simulation\": null,\n    \"status\": \"The [^\"]*\",\n.*\"mode\": \"DCM\".*status=0\n$"
                  analyze ${example} --l-uh 2 --lang en)
add_language_test(sweep_status_in_english it
                  "^index,l-uh,status,[^\n]*\n0,2,\"refused: The [^\n]*\n1,400,ok,[^\n]*\nstatus=0\n$"
                  sweep l-uh 2 400 1 ${example} --lang en)
add_language_test(sweep_json_status_in_english it
                  "\"status\":\"refused: The [^\n]*\n{\"index\":1,\"l-uh\":400\\.0,\"status\":\"ok\".*status=0\n$"
                  sweep l-uh 2 400 1 ${example} --format json --lang en)
add_language_test(tolerance_tokens_in_english it
                  "^index,kind,vi_V,L_H,mode,VoMean_V,DeltaiL_A,DeltaVo_V,IDP_A,efficiency,pass\n0,corner,14\\.25,[^\n]*,CCM,[^\n]*,no\n.*\n5,sample,[^\n]*,(yes|no)\nstatus=0\n$"
                  tolerance ${example} --tol vi=5,l=20 --monte-carlo 2 --worst-case
                  --limit-ripple-il-a 2.5 --lang en)
