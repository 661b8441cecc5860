; Alarmtexte Kanal 1 / Achsen, Beispieldatei
10000 0 0 "Optionale Funktion nicht freigeschaltet"
10208 0 0 "Kanal %1 Programm fortsetzen mit NC-Start"
14760 0 0 "Kanal %1 Satz %2 Hilfsfunktion einer Gruppe mehrfach programmiert"
25000 0 0 "Achse %1 Hardwarefehler aktiver Geber"
25040 0 0 "Achse %1 Stillstandsüberwachung"
700012 0 0 "Schutztür offen - Vorschub gesperrt"
700105 0 0 "Kühlmitteldruck zu niedrig"
700230 0 0 "Späneförderer Überlast"
