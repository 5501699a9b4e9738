#PBIMPORT:Begin()
