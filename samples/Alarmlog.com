ALARMPROTOKOLL  NCU 1  Maschine: BAZ 3 / Halle 2          Stand 13.11.12 14:02
Alarmhistorie, aelteste Meldung zuerst
Nummer  Kommen      Gehen     Löschen    Text
--------------------------------------------------------------------------------
  70001213.11.12 - 13.11.12  RESET      :   Schutztür offen - Vorschub
  08:15:00  08:20:30                      gesperrt, bitte Tür schließen
   2500013.11.12 - 13.11.12  POWER ON   :   Achse X1 Hardwarefehler
  09:01:12  09:44:50                      aktiver Geber
   1020813.11.12 - 13.11.12  NCSTART    :   Kanal 1 Programm fortsetzen
  10:00:00  10:00:07                      mit NC-Start
  70010513.11.12 - 13.11.12  QUIT       :   Kühlmitteldruck zu niedrig
  10:12:40  10:31:02
   1476013.11.12 - 13.11.12  RESET      :   Kanal 1 Satz N1020 Hilfsfunktion
  11:05:33  11:05:41                      einer Gruppe mehrfach
                                          programmiert
  70023013.11.12             QUIT       :   Späneförderer Überlast
  13:58:19                                (Motorschutzschalter Q23)
    300013.11.12 - 13.11.12  POWER ON   :   NOT-AUS
  14:00:02  14:01:45
