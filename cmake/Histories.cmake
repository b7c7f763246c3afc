# The shipped histories: the game's command-line name, the history file, the CSV it is made from and any
# CSV merged into it afterwards (Lotto's draws of two rounds), separated by bars.
set(QUINTARA_HISTORIES
    "lotto|LottoHistory.dat|lotto.csv"
    "thunderball|ThunderballHistory.dat|thunderball.csv"
    "lotto-59|Lotto59History.dat|lotto59.csv|lotto59_two_rounds.csv"
    "thunderball-39|Thunderball39History.dat|thunderball39.csv")
