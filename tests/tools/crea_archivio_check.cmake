# The build's archive step on a program folder: the whole archive where none
# is; then only a missing or empty anni.ind is written again, from the draws on
# disk (not from the history given), and never over a cut Estrazioni.ind.
set(dir "${WORK}/crea_archivio")
set(archivi "${dir}/prog/Archivi")
file(REMOVE_RECURSE "${dir}")
file(MAKE_DIRECTORY "${dir}")
set(ruote "")
foreach(w RANGE 1 11)
  string(APPEND ruote "\t1 2 3 4 5")
endforeach()
set(testata "data\tprogressivo\tBA\tCA\tFI\tGE\tMI\tNA\tPA\tRM\tTO\tVE\tNZ\n")
file(WRITE "${dir}/tre.tsv"
     "${testata}30/12/2025\t155${ruote}\n02/01/2026\t1${ruote}\n03/01/2026\t2${ruote}\n")
file(WRITE "${dir}/altra.tsv" "${testata}07/01/1871\t1${ruote}\n")
# "2025" "1" and six blanks, CR; "2026" "2" and six blanks, CR.
set(indice "32303235312020202020200d32303236322020202020200d")

function(esegui tsv atteso)
  execute_process(COMMAND "${TOOL}" --se-mancante "${dir}/${tsv}" "${dir}/prog"
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0 OR NOT out MATCHES "${atteso}")
    message(FATAL_ERROR "${tsv}: exit ${rc}, output '${out}' '${err}', expected '${atteso}'")
  endif()
endfunction()

function(controlla caso anni_atteso)
  file(SHA256 "${archivi}/Estrazioni.ind" ora)
  if(NOT ora STREQUAL estrazioni)
    message(FATAL_ERROR "${caso}: Estrazioni.ind was touched")
  endif()
  if(anni_atteso STREQUAL "assente")
    if(EXISTS "${archivi}/anni.ind")
      message(FATAL_ERROR "${caso}: anni.ind written")
    endif()
    return()
  endif()
  file(READ "${archivi}/anni.ind" anni HEX)
  if(NOT anni STREQUAL anni_atteso)
    message(FATAL_ERROR "${caso}: anni.ind is ${anni}, expected ${anni_atteso}")
  endif()
endfunction()

esegui(tre.tsv "3 estrazioni scritte")
file(SHA256 "${archivi}/Estrazioni.ind" estrazioni)
controlla("first build" "${indice}")

set(riscritto "anni.ind mancante o vuoto in .*: riscritto da Estrazioni.ind \\(2 anni\\)")
file(REMOVE "${archivi}/anni.ind")
esegui(altra.tsv "${riscritto}")
controlla("missing index" "${indice}")
file(WRITE "${archivi}/anni.ind" "")
esegui(altra.tsv "${riscritto}")
controlla("empty index" "${indice}")

file(WRITE "${archivi}/anni.ind" "x")
esegui(altra.tsv "lasciato com'è")
controlla("an index of the user's" "78")

# A cut last record: the folder is left as it is.
file(REMOVE "${archivi}/anni.ind")
file(APPEND "${archivi}/Estrazioni.ind" "012345678901234567890123456789")
file(SHA256 "${archivi}/Estrazioni.ind" estrazioni)
esegui(altra.tsv "lasciato com'è")
controlla("cut draw file" "assente")
file(REMOVE_RECURSE "${dir}")
