# The shipped histories: the game's command-line name, the history file, the CSV it is made from and any
# CSV merged into it afterwards (Lotto's draws of two rounds), separated by bars.
set(QUINTARA_HISTORIES
    "lotto|LottoHistory.dat|lotto.csv"
    "thunderball|ThunderballHistory.dat|thunderball.csv"
    "lotto-59|Lotto59History.dat|lotto59.csv|lotto59_two_rounds.csv"
    "thunderball-39|Thunderball39History.dat|thunderball39.csv")

# Splits one entry of the table above into its game, its history file and its CSV files (first the one
# it is made from, then those merged into it).
macro(quintara_history_entry entry game file csvs)
    string(REPLACE "|" ";" ${csvs} "${entry}")
    list(POP_FRONT ${csvs} ${game} ${file})
endmacro()
