<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CCDInfo</name>
    <message>
        <source>The CD information server refused this program.  It answered: &quot;%1&quot;  The freedb servers closed in 2020; gnudb.gnudb.org answers only programs whose client name was registered with its operators (&quot;Unknown developer email&quot; means this one was not).  Choose MusicBrainz as the lookup source, which needs no registration, or a server that accepts this program (client name &quot;%2&quot;).  The help&apos;s CD lookup page tells more. </source>
        <translation>Der CD-Informationsserver hat dieses Programm abgewiesen.  Seine Antwort: &quot;%1&quot;  Die freedb-Server wurden 2020 abgeschaltet; gnudb.gnudb.org antwortet nur Programmen, deren Client-Name bei den Betreibern registriert wurde (&quot;Unknown developer email&quot; bedeutet, dass dieses nicht registriert ist).  Wählen Sie MusicBrainz als Quelle der Abfrage, das keine Registrierung verlangt, oder einen Server, der dieses Programm annimmt (Client-Name &quot;%2&quot;).  Mehr dazu steht auf der Hilfeseite zur CD-Abfrage. </translation>
    </message>
    <message>
        <source>Now Creating CD Lookup Access Object</source>
        <translation>Zugriff auf die CD-Abfrage wird eingerichtet</translation>
    </message>
    <message>
        <source>CD Lookup Access Object created</source>
        <translation>Zugriff auf die CD-Abfrage eingerichtet</translation>
    </message>
    <message>
        <source>Internet CD Info (freeDB) site list not found.  Please download a new list</source>
        <translation>Serverliste der Internet-CD-Info (freeDB) nicht gefunden.  Bitte laden Sie eine neue Liste herunter</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>You must select a CDInfo server first. </source>
        <translation>Wählen Sie zuerst einen CD-Info-Server. </translation>
    </message>
    <message>
        <source>Select Server</source>
        <translation>Server auswählen</translation>
    </message>
    <message>
        <source>You must identify yourself with a User ID.  The ID is simply your first or last name or another identifier.  No spaces are allowed in the User ID.  Select the Configuration option to set this ID.</source>
        <translation>Sie müssen sich mit einer Benutzerkennung ausweisen.  Die Kennung ist einfach Ihr Vor- oder Nachname oder ein anderer Name.  Leerzeichen sind darin nicht erlaubt.  Legen Sie die Kennung unter Einstellungen fest.</translation>
    </message>
    <message>
        <source>Enter User ID</source>
        <translation>Benutzerkennung eingeben</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Now connecting to the Internet</source>
        <translation>Verbindung zum Internet wird hergestellt</translation>
    </message>
    <message>
        <source>Connected to the Internet</source>
        <translation>Mit dem Internet verbunden</translation>
    </message>
    <message>
        <source>Unable to connect to the Internet CD Lookup database.  Please verify your Internet connection and try again.  If the problem persists, you may want to try a different Internet server or switch Internet protocols. </source>
        <translation>Keine Verbindung zur Internet-CD-Datenbank möglich.  Bitte prüfen Sie Ihre Internetverbindung und versuchen Sie es erneut.  Besteht das Problem weiter, versuchen Sie einen anderen Internet-Server oder ein anderes Protokoll. </translation>
    </message>
    <message>
        <source>Connection Error</source>
        <translation>Verbindungsfehler</translation>
    </message>
    <message>
        <source>Disconnecting from the Internet</source>
        <translation>Verbindung zum Internet wird getrennt</translation>
    </message>
    <message>
        <source>Disconnected from the Internet</source>
        <translation>Vom Internet getrennt</translation>
    </message>
    <message>
        <source>Unable to disconnect from the Internet CD Lookup database.  Please verify your internet connection and try again.  If the problem persists, you may want to try a different Internet server or switch Internet protocols. </source>
        <translation>Die Verbindung zur Internet-CD-Datenbank kann nicht getrennt werden.  Bitte prüfen Sie Ihre Internetverbindung und versuchen Sie es erneut.  Besteht das Problem weiter, versuchen Sie einen anderen Internet-Server oder ein anderes Protokoll. </translation>
    </message>
    <message>
        <source>Disconnection Error</source>
        <translation>Fehler beim Trennen</translation>
    </message>
    <message>
        <source>Searching for the CD</source>
        <translation>Die CD wird gesucht</translation>
    </message>
    <message>
        <source>Unable to search the Internet CD Lookup database or unable to read your CD.  Please verify your Internet connection and your CD drive and try again.  If the problem persists, you may want to try a different Internet server or switch Internet protocols. </source>
        <translation>Die Internet-CD-Datenbank kann nicht durchsucht oder Ihre CD nicht gelesen werden.  Bitte prüfen Sie Ihre Internetverbindung und Ihr CD-Laufwerk und versuchen Sie es erneut.  Besteht das Problem weiter, versuchen Sie einen anderen Internet-Server oder ein anderes Protokoll. </translation>
    </message>
    <message>
        <source>Search Error</source>
        <translation>Suchfehler</translation>
    </message>
    <message>
        <source>Exact match found - retrieving CD information</source>
        <translation>Genauer Treffer gefunden - CD-Informationen werden abgerufen</translation>
    </message>
    <message>
        <source>Exact match not found - please select one of the titles.</source>
        <translation>Kein genauer Treffer - bitte wählen Sie einen der Titel.</translation>
    </message>
    <message>
        <source>You must first select a title to retrieve.  </source>
        <translation>Wählen Sie zuerst einen abzurufenden Titel.  </translation>
    </message>
    <message>
        <source>Select Disc To Retrieve</source>
        <translation>Abzurufende Disc auswählen</translation>
    </message>
    <message>
        <source>Retrieving CD information</source>
        <translation>CD-Informationen werden abgerufen</translation>
    </message>
    <message>
        <source>CD information retrieved</source>
        <translation>CD-Informationen abgerufen</translation>
    </message>
    <message>
        <source>CD information could not be retrieved</source>
        <translation>CD-Informationen konnten nicht abgerufen werden</translation>
    </message>
    <message>
        <source>Unable to read from the CDInfo database.  Please verify your internet connection and try again.  If the problem persists, you may want to try a different Internet server or switch Internet protocols. </source>
        <translation>Aus der CD-Info-Datenbank kann nicht gelesen werden.  Bitte prüfen Sie Ihre Internetverbindung und versuchen Sie es erneut.  Besteht das Problem weiter, versuchen Sie einen anderen Internet-Server oder ein anderes Protokoll. </translation>
    </message>
    <message>
        <source>Read Error</source>
        <translation>Lesefehler</translation>
    </message>
    <message>
        <source>Retrieving CD Lookup site list</source>
        <translation>Serverliste der CD-Abfrage wird abgerufen</translation>
    </message>
    <message>
        <source>Site List Retrieved</source>
        <translation>Serverliste abgerufen</translation>
    </message>
    <message>
        <source>Server Refused</source>
        <translation>Server hat abgelehnt</translation>
    </message>
</context>
<context>
    <name>CDDrives</name>
    <message>
        <source>Disc Image...</source>
        <translation>Disc-Abbild...</translation>
    </message>
</context>
<context>
    <name>CEntry</name>
    <message>
        <source>Must be a valid time in the format of &apos;MM:SS&apos;.  Minutes must be less than 999 and seconds must be 59 or less.</source>
        <translation>Muss eine gültige Zeit im Format &apos;MM:SS&apos; sein.  Die Minuten müssen kleiner als 999 sein und die Sekunden höchstens 59.</translation>
    </message>
    <message>
        <source>Invalid Track Time</source>
        <translation>Ungültige Stückdauer</translation>
    </message>
    <message>
        <source>Invalid Total Time</source>
        <translation>Ungültige Gesamtzeit</translation>
    </message>
    <message>
        <source>Purchase date is not a valid date - please correct and try again.</source>
        <translation>Das Kaufdatum ist kein gültiges Datum - bitte korrigieren Sie es und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Invalid Purchase Date</source>
        <translation>Ungültiges Kaufdatum</translation>
    </message>
    <message>
        <source>Purchase cost is not a valid currency value - please correct and try again.</source>
        <translation>Der Kaufpreis ist kein gültiger Geldbetrag - bitte korrigieren Sie ihn und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Invalid Purchase Cost</source>
        <translation>Ungültiger Kaufpreis</translation>
    </message>
    <message>
        <source>Selected track was not found.  Key is %1</source>
        <translation>Das ausgewählte Stück wurde nicht gefunden.  Schlüssel ist %1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Unknown data type CEntry.GetDataForColumn.</source>
        <translation>Unbekannter Datentyp CEntry.GetDataForColumn.</translation>
    </message>
    <message>
        <source>Error in element alignment</source>
        <translation>Fehler in der Elementfolge</translation>
    </message>
</context>
<context>
    <name>CFileIO</name>
    <message>
        <source>This file is from a release of Vinaxo prior to 1.7. We are unable to directly convert your data from this old version. You should obtain an older copy of Vinaxo 2.3, convert to that format, then load the converted 2.3 version file into this program.  </source>
        <translation>Diese Datei stammt von einer Vinaxo-Version vor 1.7. Daten aus dieser alten Version können nicht direkt umgewandelt werden. Besorgen Sie sich ein älteres Vinaxo 2.3, wandeln Sie die Datei in dessen Format um und laden Sie die umgewandelte 2.3-Datei dann in dieses Programm.  </translation>
    </message>
    <message>
        <source>This file is from release 2.3 or older of Vinaxo!  If you continue, Vinaxo will convert your file to the new format.  Once this is done, you will not be able to open this file from an older version of Vinaxo.  Please make a backup of your file before continuing!  Do you want to continue? </source>
        <translation>Diese Datei stammt von Vinaxo 2.3 oder älter!  Wenn Sie fortfahren, wandelt Vinaxo Ihre Datei in das neue Format um.  Danach kann die Datei mit einer älteren Vinaxo-Version nicht mehr geöffnet werden.  Bitte legen Sie vorher eine Sicherungskopie an!  Möchten Sie fortfahren? </translation>
    </message>
    <message>
        <source>File About To Be Converted</source>
        <translation>Datei wird umgewandelt</translation>
    </message>
    <message>
        <source>Your file has been converted.  Please remember to save the converted version of this file. </source>
        <translation>Ihre Datei wurde umgewandelt.  Denken Sie daran, die umgewandelte Fassung dieser Datei zu speichern. </translation>
    </message>
    <message>
        <source>File Converted</source>
        <translation>Datei umgewandelt</translation>
    </message>
    <message>
        <source>File Cannot Be Converted</source>
        <translation>Datei kann nicht umgewandelt werden</translation>
    </message>
    <message>
        <source>Unhandled data type in CFileIO.WriteElement.</source>
        <translation>Nicht behandelter Datentyp in CFileIO.WriteElement.</translation>
    </message>
    <message>
        <source>Bad internal file type</source>
        <translation>Ungültiger interner Dateityp</translation>
    </message>
</context>
<context>
    <name>CPrinter</name>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
    <message>
        <source>The maximum column width for your printer has been exceeded. </source>
        <translation>Die größte Spaltenbreite für Ihren Drucker wurde überschritten. </translation>
    </message>
    <message>
        <source>Report Layout Error</source>
        <translation>Fehler im Berichtslayout</translation>
    </message>
    <message>
        <source>A printer error has occurred or you selected cancel for this print job.  Reset your printer and start printing again.</source>
        <translation>Ein Druckerfehler ist aufgetreten oder Sie haben diesen Druckauftrag abgebrochen.  Setzen Sie den Drucker zurück und starten Sie den Druck erneut.</translation>
    </message>
    <message>
        <source>Printer Error</source>
        <translation>Druckerfehler</translation>
    </message>
    <message>
        <source>CUSTOM REPORT</source>
        <translation>EIGENER BERICHT</translation>
    </message>
    <message>
        <source>Try the report with a smaller printer font size or adjust the column size of one or more fields.</source>
        <translation>Versuchen Sie den Bericht mit einer kleineren Druckschrift oder passen Sie die Spaltenbreite eines oder mehrerer Felder an.</translation>
    </message>
    <message>
        <source>Total Time: </source>
        <translation>Gesamtzeit: </translation>
    </message>
    <message>
        <source>SELECTED TRACKS</source>
        <translation>AUSGEWÄHLTE STÜCKE</translation>
    </message>
    <message>
        <source>SIDE</source>
        <translation>SEITE</translation>
    </message>
    <message>
        <source>TITLE</source>
        <translation>TITEL</translation>
    </message>
    <message>
        <source>TIME</source>
        <translation>DAUER</translation>
    </message>
    <message>
        <source>Try the report with a smaller printer font.</source>
        <translation>Versuchen Sie den Bericht mit einer kleineren Druckschrift.</translation>
    </message>
</context>
<context>
    <name>CdTextOffer</name>
    <message>
        <source>Titles on the disc</source>
        <translation>Titel auf der Disc</translation>
    </message>
    <message>
        <source>Title: %1</source>
        <translation>Titel: %1</translation>
    </message>
    <message>
        <source>Performer: %1</source>
        <translation>Interpret: %1</translation>
    </message>
    <message>
        <source>The disc carries its own titles (CD-Text):

%1

Use them for this recording?</source>
        <translation>Die Disc enthält eigene Titel (CD-Text):

%1

Für diese Aufnahme übernehmen?</translation>
    </message>
</context>
<context>
    <name>ColTable</name>
    <message>
        <source>(unknown field %1)</source>
        <translation>(unbekanntes Feld %1)</translation>
    </message>
</context>
<context>
    <name>CollectionHistory</name>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Import of 1 Recording</source>
        <translation>Import von 1 Aufnahme</translation>
    </message>
    <message>
        <source>Import of %1 Recordings</source>
        <translation>Import von %1 Aufnahmen</translation>
    </message>
</context>
<context>
    <name>CollectionLock</name>
    <message>
        <source>%1, process %2, since %3</source>
        <translation>%1, Prozess %2, seit %3</translation>
    </message>
    <message>
        <source>an unknown host</source>
        <translation>ein unbekannter Rechner</translation>
    </message>
</context>
<context>
    <name>DefinitionFile</name>
    <message>
        <source>This is not a Vinaxo file.  Please choose another file.</source>
        <translation>Dies ist keine Vinaxo-Datei.  Bitte wählen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>Wrong File Type</source>
        <translation>Falscher Dateityp</translation>
    </message>
</context>
<context>
    <name>DelimitedExport</name>
    <message>
        <source>EXPORT CANCELLED BY OPERATOR</source>
        <translation>EXPORT VOM BENUTZER ABGEBROCHEN</translation>
    </message>
</context>
<context>
    <name>DelimitedImport</name>
    <message>
        <source>Record %1, %2</source>
        <translation>Datensatz %1, %2</translation>
    </message>
    <message>
        <source>Has extra field containing:  </source>
        <translation>Hat ein überzähliges Feld mit:  </translation>
    </message>
    <message>
        <source>%1 is in error:  </source>
        <translation>%1 ist fehlerhaft:  </translation>
    </message>
    <message>
        <source>%1 must be between 0 and 10:  </source>
        <translation>%1 muss zwischen 0 und 10 liegen:  </translation>
    </message>
    <message>
        <source>Nbr Discs is in error:  </source>
        <translation>Anzahl Discs ist fehlerhaft:  </translation>
    </message>
    <message>
        <source>Rel Year is missing</source>
        <translation>Erscheinungsjahr fehlt</translation>
    </message>
    <message>
        <source>Rel Year is in error:  </source>
        <translation>Erscheinungsjahr ist fehlerhaft:  </translation>
    </message>
    <message>
        <source>Sound Rating</source>
        <translation>Klangbewertung</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Darbietung</translation>
    </message>
    <message>
        <source>Purchase Date is missing</source>
        <translation>Kaufdatum fehlt</translation>
    </message>
    <message>
        <source>Purchase Date is in error:  </source>
        <translation>Kaufdatum ist fehlerhaft:  </translation>
    </message>
    <message>
        <source>Purchase Cost is in error:  </source>
        <translation>Kaufpreis ist fehlerhaft:  </translation>
    </message>
    <message>
        <source>Nbr Tracks is in error:  </source>
        <translation>Anzahl Stücke ist fehlerhaft:  </translation>
    </message>
    <message>
        <source>Total Time is in error:  </source>
        <translation>Gesamtzeit ist fehlerhaft:  </translation>
    </message>
    <message>
        <source>IMPORT CANCELLED BY OPERATOR</source>
        <translation>IMPORT VOM BENUTZER ABGEBROCHEN</translation>
    </message>
</context>
<context>
    <name>ElementBlocks</name>
    <message>
        <source>Unknown data type %1.</source>
        <translation>Unbekannter Datentyp %1.</translation>
    </message>
    <message>
        <source>Error in element alignment</source>
        <translation>Fehler in der Elementfolge</translation>
    </message>
</context>
<context>
    <name>EntryEditSession</name>
    <message>
        <source>A recording with this artist and title is already in the collection. Add it anyway?</source>
        <translation>Eine Aufnahme mit diesem Interpreten und Titel ist bereits in der Sammlung. Trotzdem hinzufügen?</translation>
    </message>
    <message>
        <source>Duplicate Recording</source>
        <translation>Doppelte Aufnahme</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>&amp;Show Existing</source>
        <translation>&amp;Vorhandene zeigen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the entry for &apos;%1&apos; by &apos;%2&apos;?</source>
        <translation>Möchten Sie den Eintrag &apos;%1&apos; von &apos;%2&apos; wirklich löschen?</translation>
    </message>
    <message>
        <source>About to delete entry</source>
        <translation>Eintrag wird gelöscht</translation>
    </message>
    <message>
        <source>The number of tracks must be from 1 to %1.</source>
        <translation>Die Anzahl der Stücke muss zwischen 1 und %1 liegen.</translation>
    </message>
    <message>
        <source>Nbr of Tracks</source>
        <translation>Anzahl Stücke</translation>
    </message>
    <message>
        <source>This will clear any track detail that you&apos;ve already entered.  Are you sure this is what you want to do?</source>
        <translation>Damit werden alle bereits eingegebenen Stücke gelöscht.  Möchten Sie das wirklich?</translation>
    </message>
    <message>
        <source>About to clear tracks</source>
        <translation>Stücke werden gelöscht</translation>
    </message>
    <message>
        <source>Could not read the CD. Verify that you have selected the proper drive and that the CD has been placed in the drive.</source>
        <translation>Die CD konnte nicht gelesen werden. Prüfen Sie, ob das richtige Laufwerk ausgewählt ist und die CD im Laufwerk liegt.</translation>
    </message>
    <message>
        <source>Unable to read CD</source>
        <translation>CD nicht lesbar</translation>
    </message>
    <message>
        <source>This will replace the track detail of this recording with the tracks of the disc. Continue?</source>
        <translation>Damit werden die Stücke dieser Aufnahme durch die Stücke der Disc ersetzt. Fortfahren?</translation>
    </message>
    <message>
        <source>About to replace tracks</source>
        <translation>Stücke werden ersetzt</translation>
    </message>
</context>
<context>
    <name>ExchangeStart</name>
    <message>
        <source>Delimiter cannot be a space. Enter any other valid character.</source>
        <translation>Ein Leerzeichen ist als Trennzeichen nicht erlaubt. Geben Sie ein anderes gültiges Zeichen ein.</translation>
    </message>
    <message>
        <source>Space not allowed</source>
        <translation>Leerzeichen nicht erlaubt</translation>
    </message>
    <message>
        <source>The field, string and track delimiters must be three different characters. Enter a different character for each delimiter.</source>
        <translation>Feld-, Text- und Stücktrennzeichen müssen drei verschiedene Zeichen sein. Geben Sie für jedes Trennzeichen ein anderes Zeichen ein.</translation>
    </message>
    <message>
        <source>Delimiters must differ</source>
        <translation>Trennzeichen müssen verschieden sein</translation>
    </message>
    <message>
        <source>Record %1, Duplicate of a recording held:  %2</source>
        <translation>Datensatz %1, Dublette einer vorhandenen Aufnahme:  %2</translation>
    </message>
    <message>
        <source>---Duplicates found: %1---</source>
        <translation>---Gefundene Dubletten: %1---</translation>
    </message>
    <message>
        <source>---Now Starting Import of %1---</source>
        <translation>---Import von %1 beginnt---</translation>
    </message>
    <message>
        <source>---Import Complete - Total records read: %1---</source>
        <translation>---Import abgeschlossen - Gelesene Datensätze insgesamt: %1---</translation>
    </message>
    <message>
        <source>---Now Starting Export to %1---</source>
        <translation>---Export nach %1 beginnt---</translation>
    </message>
    <message>
        <source>---Export Complete - Total records written: %1---</source>
        <translation>---Export abgeschlossen - Geschriebene Datensätze insgesamt: %1---</translation>
    </message>
    <message>
        <source>No Import File has been selected. Select an import file before starting the import function.</source>
        <translation>Es wurde keine Importdatei ausgewählt. Wählen Sie eine Importdatei, bevor Sie den Import starten.</translation>
    </message>
    <message>
        <source>No File Selected</source>
        <translation>Keine Datei ausgewählt</translation>
    </message>
    <message>
        <source>You already have a file loaded. Running an import will add new records to the existing file.  Is this what you want?</source>
        <translation>Es ist bereits eine Datei geladen. Ein Import fügt der vorhandenen Datei neue Einträge hinzu.  Möchten Sie das?</translation>
    </message>
    <message>
        <source>File already loaded</source>
        <translation>Datei bereits geladen</translation>
    </message>
    <message>
        <source>No import fields have been selected. Select the fields to import in the proper order so that they match the import file.</source>
        <translation>Es wurden keine Importfelder ausgewählt. Wählen Sie die zu importierenden Felder in der Reihenfolge, in der sie in der Importdatei stehen.</translation>
    </message>
    <message>
        <source>No Fields Selected</source>
        <translation>Keine Felder ausgewählt</translation>
    </message>
    <message>
        <source>One or more of the following required import fields were not selected:  Title, Artist.  These fields are required and must be supplied within your import file.</source>
        <translation>Eines oder mehrere der folgenden Pflichtfelder wurden nicht ausgewählt:  Titel, Interpret.  Diese Felder sind erforderlich und müssen in Ihrer Importdatei enthalten sein.</translation>
    </message>
    <message>
        <source>Required Fields Missing</source>
        <translation>Pflichtfelder fehlen</translation>
    </message>
    <message>
        <source>No Export File has been selected. Select an export file before starting the export function.</source>
        <translation>Es wurde keine Exportdatei ausgewählt. Wählen Sie eine Exportdatei, bevor Sie den Export starten.</translation>
    </message>
    <message>
        <source>There are no records to export. You must have a file loaded, or records entered before you can do an export.</source>
        <translation>Es gibt keine Einträge zum Exportieren. Laden Sie eine Datei oder geben Sie Einträge ein, bevor Sie exportieren.</translation>
    </message>
    <message>
        <source>No file to export</source>
        <translation>Nichts zu exportieren</translation>
    </message>
    <message>
        <source>No export fields have been selected. Select the fields that you wish to export in the proper order.</source>
        <translation>Es wurden keine Exportfelder ausgewählt. Wählen Sie die zu exportierenden Felder in der gewünschten Reihenfolge.</translation>
    </message>
</context>
<context>
    <name>FileChoice</name>
    <message>
        <source>This file does not exist.  You must choose another file name to open.</source>
        <translation>Diese Datei existiert nicht.  Wählen Sie einen anderen Dateinamen zum Öffnen.</translation>
    </message>
    <message>
        <source>File Not Found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>This file already exists.  If you continue, you will write over the existing file.  Do you want to overwrite this file?</source>
        <translation>Diese Datei existiert bereits.  Wenn Sie fortfahren, wird die vorhandene Datei überschrieben.  Möchten Sie diese Datei überschreiben?</translation>
    </message>
    <message>
        <source>File Already Exists</source>
        <translation>Datei existiert bereits</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>This file does not exist.  You must choose another file name to open.</source>
        <translation>Diese Datei existiert nicht.  Wählen Sie einen anderen Dateinamen zum Öffnen.</translation>
    </message>
    <message>
        <source>File Not Found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>This is not a Vinaxo file.  Please choose another file.</source>
        <translation>Dies ist keine Vinaxo-Datei.  Bitte wählen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>Wrong File Type</source>
        <translation>Falscher Dateityp</translation>
    </message>
    <message>
        <source>Older format Vinaxo file not converted.</source>
        <translation>Vinaxo-Datei im älteren Format wurde nicht umgewandelt.</translation>
    </message>
    <message>
        <source>Old File Format</source>
        <translation>Altes Dateiformat</translation>
    </message>
    <message>
        <source>This file already exists.  Do you want to replace the existing file?</source>
        <translation>Diese Datei existiert bereits.  Möchten Sie die vorhandene Datei ersetzen?</translation>
    </message>
    <message>
        <source>Confirm File Replace</source>
        <translation>Ersetzen der Datei bestätigen</translation>
    </message>
</context>
<context>
    <name>HandleFileError</name>
    <message>
        <source>File name is illegal</source>
        <translation>Der Dateiname ist ungültig</translation>
    </message>
    <message>
        <source>Can&apos;t open your file for that type of access</source>
        <translation>Die Datei kann für diese Zugriffsart nicht geöffnet werden</translation>
    </message>
    <message>
        <source>This file is already open</source>
        <translation>Diese Datei ist bereits geöffnet</translation>
    </message>
    <message>
        <source>Internal Disk Error</source>
        <translation>Interner Datenträgerfehler</translation>
    </message>
    <message>
        <source>Disk is full.  Continue?</source>
        <translation>Der Datenträger ist voll.  Fortfahren?</translation>
    </message>
    <message>
        <source>This file has a nonstandard end-of-file marker, or an attempt was made to read beyond the end-of-file marker.</source>
        <translation>Diese Datei hat eine ungewöhnliche Dateiende-Markierung, oder es wurde versucht, über das Dateiende hinaus zu lesen.</translation>
    </message>
    <message>
        <source>Insert a disk in the drive and close the door</source>
        <translation>Legen Sie einen Datenträger in das Laufwerk und schließen Sie es</translation>
    </message>
    <message>
        <source>Can&apos;t open your file since it is in use by another program</source>
        <translation>Die Datei kann nicht geöffnet werden, weil ein anderes Programm sie verwendet</translation>
    </message>
    <message>
        <source>File is unavailable, and may be write-protected.</source>
        <translation>Die Datei ist nicht verfügbar und möglicherweise schreibgeschützt.</translation>
    </message>
    <message>
        <source>Disk Error</source>
        <translation>Datenträgerfehler</translation>
    </message>
</context>
<context>
    <name>ICDAudioDevice</name>
    <message>
        <source>no such CD drive or disc image</source>
        <translation>kein solches CD-Laufwerk oder Disc-Abbild</translation>
    </message>
    <message>
        <source>no disc in the drive</source>
        <translation>keine Disc im Laufwerk</translation>
    </message>
    <message>
        <source>the disc has no audio tracks</source>
        <translation>die Disc hat keine Audiostücke</translation>
    </message>
    <message>
        <source>the disc image cannot be read</source>
        <translation>das Disc-Abbild kann nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>IMessageService</name>
    <message>
        <source>Error # %1 was generated by %2</source>
        <translation>Fehler Nr. %1 wurde von %2 ausgelöst</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>LookupApply</name>
    <message>
        <source>The CD data retrieved does not match the current entry. Are you sure you want to replace the currently selected recording with this new entry?</source>
        <translation>Die abgerufenen CD-Daten passen nicht zum aktuellen Eintrag. Möchten Sie die ausgewählte Aufnahme wirklich durch diesen neuen Eintrag ersetzen?</translation>
    </message>
    <message>
        <source>Entry Mismatch</source>
        <translation>Eintrag passt nicht</translation>
    </message>
    <message>
        <source>Lookup Add</source>
        <translation>Hinzufügen per Abfrage</translation>
    </message>
    <message>
        <source>Lookup Update</source>
        <translation>Aktualisieren per Abfrage</translation>
    </message>
</context>
<context>
    <name>LookupSession</name>
    <message>
        <source>Disc ID %1, %2 tracks</source>
        <translation>Disc-ID %1, %2 Stücke</translation>
    </message>
    <message>
        <source>Disc not read: %1</source>
        <translation>Disc nicht gelesen: %1</translation>
    </message>
    <message>
        <source>No matching recording was found.</source>
        <translation>Es wurde keine passende Aufnahme gefunden.</translation>
    </message>
    <message>
        <source>No recording found</source>
        <translation>Keine Aufnahme gefunden</translation>
    </message>
    <message>
        <source>No selection was made - try the search again.</source>
        <translation>Es wurde nichts ausgewählt - versuchen Sie die Suche erneut.</translation>
    </message>
    <message>
        <source>No recording selected</source>
        <translation>Keine Aufnahme ausgewählt</translation>
    </message>
    <message>
        <source>Unable to retrieve data for this recording.</source>
        <translation>Die Daten dieser Aufnahme können nicht abgerufen werden.</translation>
    </message>
    <message>
        <source>Error retrieve data</source>
        <translation>Fehler beim Abrufen der Daten</translation>
    </message>
</context>
<context>
    <name>MainController</name>
    <message>
        <source> %1 record</source>
        <translation> %1 Eintrag</translation>
    </message>
    <message>
        <source> %1 records</source>
        <translation> %1 Einträge</translation>
    </message>
    <message>
        <source> %1 of %2 record</source>
        <translation> %1 von %2 Eintrag</translation>
    </message>
    <message>
        <source> %1 of %2 records</source>
        <translation> %1 von %2 Einträgen</translation>
    </message>
    <message>
        <source>Refreshing list</source>
        <translation>Liste wird aktualisiert</translation>
    </message>
    <message>
        <source>Records containing: %1</source>
        <translation>Einträge mit: %1</translation>
    </message>
    <message>
        <source>Records starting with: %1</source>
        <translation>Einträge beginnend mit: %1</translation>
    </message>
    <message>
        <source>Records in Category: %1</source>
        <translation>Einträge der Kategorie: %1</translation>
    </message>
    <message>
        <source>Records with Medium of: %1</source>
        <translation>Einträge mit dem Medium: %1</translation>
    </message>
    <message>
        <source>Vinaxo - Recording Collection</source>
        <translation>Vinaxo - Aufnahmesammlung</translation>
    </message>
    <message>
        <source>Vinaxo Recording Collection (Unnamed)</source>
        <translation>Vinaxo-Aufnahmesammlung (unbenannt)</translation>
    </message>
    <message>
        <source>Vinaxo Recording Collection %1</source>
        <translation>Vinaxo-Aufnahmesammlung %1</translation>
    </message>
    <message>
        <source>Open a file or enter new entries</source>
        <translation>Öffnen Sie eine Datei oder geben Sie neue Einträge ein</translation>
    </message>
</context>
<context>
    <name>MainFileCommands</name>
    <message>
        <source>File Not Saved</source>
        <translation>Datei nicht gespeichert</translation>
    </message>
    <message>
        <source>Data Files</source>
        <translation>Datendateien</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Current file has not been saved - do you want to continue and lose all changes?</source>
        <translation>Die aktuelle Datei wurde nicht gespeichert - möchten Sie fortfahren und alle Änderungen verwerfen?</translation>
    </message>
    <message>
        <source>Open Vinaxo File</source>
        <translation>Vinaxo-Datei öffnen</translation>
    </message>
    <message>
        <source>The file was damaged: it was opened unnamed so that it stays as it is. Use Save As to keep what could be read.</source>
        <translation>Die Datei war beschädigt: sie wurde unbenannt geöffnet, damit sie unverändert bleibt. Sichern Sie das Lesbare mit Speichern unter.</translation>
    </message>
    <message>
        <source>The example collection is not installed.</source>
        <translation>Die Beispielsammlung ist nicht installiert.</translation>
    </message>
    <message>
        <source>File Not Found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Current file has not been saved - do you want to save before closing?</source>
        <translation>Die aktuelle Datei wurde nicht gespeichert - möchten Sie vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>Save Vinaxo File</source>
        <translation>Vinaxo-Datei speichern</translation>
    </message>
    <message>
        <source>Report definition has not been saved - do you want to continue and lose all changes?</source>
        <translation>Die Berichtsdefinition wurde nicht gespeichert - möchten Sie fortfahren und alle Änderungen verwerfen?</translation>
    </message>
    <message>
        <source>Report Def Not Saved</source>
        <translation>Berichtsdefinition nicht gespeichert</translation>
    </message>
    <message>
        <source>%1 is open in another Vinaxo (%2). Open it read-only? Its changes can then only be saved under another name.</source>
        <translation>%1 ist in einem anderen Vinaxo geöffnet (%2). Schreibgeschützt öffnen? Änderungen können dann nur unter einem anderen Namen gespeichert werden.</translation>
    </message>
    <message>
        <source>File In Use</source>
        <translation>Datei in Verwendung</translation>
    </message>
    <message>
        <source>Open Read-Only</source>
        <translation>Schreibgeschützt öffnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1 is open in another Vinaxo (%2). It cannot be replaced; save under another name.</source>
        <translation>%1 ist in einem anderen Vinaxo geöffnet (%2). Die Datei kann nicht ersetzt werden; speichern Sie unter einem anderen Namen.</translation>
    </message>
    <message>
        <source>%1 was changed on disk since it was opened. Overwrite it, save under another name, or cancel?</source>
        <translation>%1 wurde seit dem Öffnen auf der Festplatte geändert. Überschreiben, unter anderem Namen speichern oder abbrechen?</translation>
    </message>
    <message>
        <source>File Changed</source>
        <translation>Datei geändert</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>A recovery copy cannot be read (%1). It is kept as %2.</source>
        <translation>Eine Wiederherstellungskopie kann nicht gelesen werden (%1). Sie bleibt als %2 erhalten.</translation>
    </message>
    <message>
        <source>Recovery Copy Damaged</source>
        <translation>Wiederherstellungskopie beschädigt</translation>
    </message>
    <message>
        <source>an unnamed collection</source>
        <translation>eine unbenannte Sammlung</translation>
    </message>
    <message>
        <source>Vinaxo was not closed properly. Recover the unsaved changes to %1 from %2?</source>
        <translation>Vinaxo wurde nicht ordnungsgemäß beendet. Die ungesicherten Änderungen an %1 vom %2 wiederherstellen?</translation>
    </message>
    <message>
        <source>Recover Unsaved Changes</source>
        <translation>Ungesicherte Änderungen wiederherstellen</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
    <message>
        <source>The recovery copy could not be read whole. It is kept as %1.</source>
        <translation>Die Wiederherstellungskopie konnte nicht vollständig gelesen werden. Sie bleibt als %1 erhalten.</translation>
    </message>
    <message>
        <source>The collection was saved, but some cover pictures could not be written to %1. They are kept: save again once the folder can be written.</source>
        <translation>Die Sammlung wurde gespeichert, aber einige Coverbilder konnten nicht nach %1 geschrieben werden. Sie bleiben erhalten: Speichern Sie erneut, sobald der Ordner beschreibbar ist.</translation>
    </message>
    <message>
        <source>Cover Pictures Not Saved</source>
        <translation>Coverbilder nicht gespeichert</translation>
    </message>
</context>
<context>
    <name>MusicBrainzClient</name>
    <message>
        <source>found</source>
        <translation>gefunden</translation>
    </message>
    <message>
        <source>no match</source>
        <translation>kein Treffer</translation>
    </message>
    <message>
        <source>bad disc id</source>
        <translation>ungültige Disc-ID</translation>
    </message>
    <message>
        <source>busy</source>
        <translation>ausgelastet</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>Zeitüberschreitung</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>network error</source>
        <translation>Netzwerkfehler</translation>
    </message>
    <message>
        <source>malformed reply</source>
        <translation>fehlerhafte Antwort</translation>
    </message>
    <message>
        <source>reply too large</source>
        <translation>Antwort zu groß</translation>
    </message>
    <message>
        <source>server error</source>
        <translation>Serverfehler</translation>
    </message>
    <message>
        <source>The server address &quot;%1&quot; is not an http or https address.</source>
        <translation>Die Serveradresse &quot;%1&quot; ist keine http- oder https-Adresse.</translation>
    </message>
    <message>
        <source>Cover image received from %1</source>
        <translation>Coverbild von %1 erhalten</translation>
    </message>
    <message>
        <source>%1 found %2 match(es)</source>
        <translation>%1 hat %2 Treffer gefunden</translation>
    </message>
    <message>
        <source>No cover image for this release.</source>
        <translation>Kein Coverbild für diese Veröffentlichung.</translation>
    </message>
    <message>
        <source>MusicBrainz does not know this disc.</source>
        <translation>MusicBrainz kennt diese Disc nicht.</translation>
    </message>
    <message>
        <source>MusicBrainz refused the disc id.</source>
        <translation>MusicBrainz hat die Disc-ID abgelehnt.</translation>
    </message>
    <message>
        <source>MusicBrainz refused the disc id: %1.</source>
        <translation>MusicBrainz hat die Disc-ID abgelehnt: %1.</translation>
    </message>
    <message>
        <source>%1 is busy (it asked twice to slow down). Please try again in a minute.</source>
        <translation>%1 ist ausgelastet (er bat zweimal darum, langsamer zu fragen). Bitte versuchen Sie es in einer Minute erneut.</translation>
    </message>
    <message>
        <source>No answer from %1 within %2 seconds.</source>
        <translation>Keine Antwort von %1 innerhalb von %2 Sekunden.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>Unable to reach %1: %2. Please verify your Internet connection and the server address.</source>
        <translation>%1 ist nicht erreichbar: %2. Bitte prüfen Sie Ihre Internetverbindung und die Serveradresse.</translation>
    </message>
    <message>
        <source>The answer from %1 could not be read (%2).</source>
        <translation>Die Antwort von %1 konnte nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <source>The answer from %1 is larger than %2 MB and was refused.</source>
        <translation>Die Antwort von %1 ist größer als %2 MB und wurde abgelehnt.</translation>
    </message>
    <message>
        <source>%1 answered HTTP %2.</source>
        <translation>%1 antwortete mit HTTP %2.</translation>
    </message>
</context>
<context>
    <name>MusicBrainzLookup</name>
    <message>
        <source>Disc not read: %1</source>
        <translation>Disc nicht gelesen: %1</translation>
    </message>
    <message>
        <source>Disc not read</source>
        <translation>Disc nicht gelesen</translation>
    </message>
    <message>
        <source>Unable to read your CD: %1.  Please verify your CD drive and try again.</source>
        <translation>Ihre CD kann nicht gelesen werden: %1.  Bitte prüfen Sie Ihr CD-Laufwerk und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Search Error</source>
        <translation>Suchfehler</translation>
    </message>
    <message>
        <source>Disc ID %1, %2 tracks</source>
        <translation>Disc-ID %1, %2 Stücke</translation>
    </message>
    <message>
        <source>This disc has no audio tracks that MusicBrainz could look up.</source>
        <translation>Diese Disc hat keine Audiostücke, die MusicBrainz nachschlagen könnte.</translation>
    </message>
    <message>
        <source>Searching MusicBrainz for the CD</source>
        <translation>Die CD wird bei MusicBrainz gesucht</translation>
    </message>
    <message>
        <source>MusicBrainz: no match</source>
        <translation>MusicBrainz: kein Treffer</translation>
    </message>
    <message>
        <source>No matching recording was found.</source>
        <translation>Es wurde keine passende Aufnahme gefunden.</translation>
    </message>
    <message>
        <source>No recording found</source>
        <translation>Keine Aufnahme gefunden</translation>
    </message>
    <message>
        <source>MusicBrainz: %1</source>
        <translation>MusicBrainz: %1</translation>
    </message>
    <message>
        <source>MusicBrainz found %1 releases</source>
        <translation>MusicBrainz hat %1 Veröffentlichungen gefunden</translation>
    </message>
    <message>
        <source>No selection was made - try the search again.</source>
        <translation>Es wurde nichts ausgewählt - versuchen Sie die Suche erneut.</translation>
    </message>
    <message>
        <source>No recording selected</source>
        <translation>Keine Aufnahme ausgewählt</translation>
    </message>
    <message>
        <source>Found by MusicBrainz (by table of contents)</source>
        <translation>Von MusicBrainz gefunden (über das Inhaltsverzeichnis)</translation>
    </message>
    <message>
        <source>Found by MusicBrainz</source>
        <translation>Von MusicBrainz gefunden</translation>
    </message>
    <message>
        <source>Found by MusicBrainz, no cover picture</source>
        <translation>Von MusicBrainz gefunden, kein Coverbild</translation>
    </message>
    <message>
        <source>Found by MusicBrainz, with cover picture</source>
        <translation>Von MusicBrainz gefunden, mit Coverbild</translation>
    </message>
</context>
<context>
    <name>MusicBrainzReply</name>
    <message>
        <source>the reply is not a JSON object</source>
        <translation>die Antwort ist kein JSON-Objekt</translation>
    </message>
    <message>
        <source>the reply lists no releases</source>
        <translation>die Antwort nennt keine Veröffentlichungen</translation>
    </message>
    <message>
        <source>disc %1 of %2</source>
        <translation>Disc %1 von %2</translation>
    </message>
</context>
<context>
    <name>NameList</name>
    <message>
        <source>Edit Category List</source>
        <translation>Kategorieliste bearbeiten</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Selected Category</source>
        <translation>Ausgewählte Kategorie</translation>
    </message>
    <message>
        <source>Add Category</source>
        <translation>Kategorie hinzufügen</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Kategorie löschen</translation>
    </message>
    <message>
        <source>Unable to add the new category to the list because it already exists.</source>
        <translation>Die neue Kategorie kann nicht in die Liste aufgenommen werden, weil sie bereits vorhanden ist.</translation>
    </message>
    <message>
        <source>Error Adding Category</source>
        <translation>Fehler beim Hinzufügen der Kategorie</translation>
    </message>
    <message>
        <source>Unable to delete category </source>
        <translation>Die Kategorie </translation>
    </message>
    <message>
        <source> because it is in use by one or more entries. You need to change these entries to use a different category before you can delete this category.</source>
        <translation> kann nicht gelöscht werden, weil sie von einem oder mehreren Einträgen verwendet wird. Ändern Sie diese Einträge auf eine andere Kategorie, bevor Sie diese Kategorie löschen.</translation>
    </message>
    <message>
        <source>Error Deleting Category</source>
        <translation>Fehler beim Löschen der Kategorie</translation>
    </message>
    <message>
        <source>Edit Medium List</source>
        <translation>Medienliste bearbeiten</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Selected Medium</source>
        <translation>Ausgewähltes Medium</translation>
    </message>
    <message>
        <source>Add Medium</source>
        <translation>Medium hinzufügen</translation>
    </message>
    <message>
        <source>Delete Medium</source>
        <translation>Medium löschen</translation>
    </message>
    <message>
        <source>Unable to add the new Medium to the list because it already exists.</source>
        <translation>Das neue Medium kann nicht in die Liste aufgenommen werden, weil es bereits vorhanden ist.</translation>
    </message>
    <message>
        <source>Error Adding Medium</source>
        <translation>Fehler beim Hinzufügen des Mediums</translation>
    </message>
    <message>
        <source>Unable to delete Medium </source>
        <translation>Das Medium </translation>
    </message>
    <message>
        <source> because it is in use by one or more entries. You need to change these entries to use a different Medium before you can delete this Medium.</source>
        <translation> kann nicht gelöscht werden, weil es von einem oder mehreren Einträgen verwendet wird. Ändern Sie diese Einträge auf ein anderes Medium, bevor Sie dieses Medium löschen.</translation>
    </message>
    <message>
        <source>Error Deleting Medium</source>
        <translation>Fehler beim Löschen des Mediums</translation>
    </message>
</context>
<context>
    <name>PainterSurface</name>
    <message>
        <source>The printer could not be opened.</source>
        <translation>Der Drucker konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>A new page could not be started.</source>
        <translation>Eine neue Seite konnte nicht begonnen werden.</translation>
    </message>
    <message>
        <source>The document could not be completed.</source>
        <translation>Das Dokument konnte nicht abgeschlossen werden.</translation>
    </message>
</context>
<context>
    <name>PdfSurface</name>
    <message>
        <source>The file could not be opened: </source>
        <translation>Die Datei konnte nicht geöffnet werden: </translation>
    </message>
    <message>
        <source>The file could not be written: </source>
        <translation>Die Datei konnte nicht geschrieben werden: </translation>
    </message>
</context>
<context>
    <name>QtPrinterSurface</name>
    <message>
        <source>The file could not be opened: </source>
        <translation>Die Datei konnte nicht geöffnet werden: </translation>
    </message>
    <message>
        <source>The file could not be written: </source>
        <translation>Die Datei konnte nicht geschrieben werden: </translation>
    </message>
</context>
<context>
    <name>RecoveryStore</name>
    <message>
        <source>the copy cannot be opened</source>
        <translation>die Kopie kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>the copy has %1 bytes, its record says %2</source>
        <translation>die Kopie hat %1 Bytes, ihre Beschreibung nennt %2</translation>
    </message>
    <message>
        <source>the copy is shorter than a collection file&apos;s header</source>
        <translation>die Kopie ist kürzer als der Kopf einer Sammlungsdatei</translation>
    </message>
    <message>
        <source>the copy is no collection file of this release</source>
        <translation>die Kopie ist keine Sammlungsdatei dieser Version</translation>
    </message>
    <message>
        <source>The recovery folder %1 cannot be used.</source>
        <translation>Der Wiederherstellungsordner %1 kann nicht verwendet werden.</translation>
    </message>
    <message>
        <source>its record cannot be read</source>
        <translation>ihre Beschreibung kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the copy is missing</source>
        <translation>die Kopie fehlt</translation>
    </message>
</context>
<context>
    <name>ReportFonts</name>
    <message>
        <source> Bold</source>
        <translation> Fett</translation>
    </message>
    <message>
        <source> Italic</source>
        <translation> Kursiv</translation>
    </message>
    <message>
        <source>You cannot do any printing until heading and detail fonts have been selected.  Use the Set Heading and Set Detail buttons to select printer fonts.</source>
        <translation>Sie können erst drucken, wenn Schriften für Überschrift und Zeilen gewählt sind.  Wählen Sie die Druckschriften mit den Schaltflächen Überschrift festlegen und Zeilenschrift festlegen.</translation>
    </message>
    <message>
        <source>Print Setup Error</source>
        <translation>Fehler in der Druckeinrichtung</translation>
    </message>
</context>
<context>
    <name>SearchRequest</name>
    <message>
        <source>You must select a Search Type</source>
        <translation>Sie müssen eine Suchart wählen</translation>
    </message>
    <message>
        <source>Search Type</source>
        <translation>Suchart</translation>
    </message>
</context>
<context>
    <name>SiteRules</name>
    <message>
        <source>Protocol:HTTP</source>
        <translation>Protokoll:HTTP</translation>
    </message>
    <message>
        <source>Protocol:cddbp</source>
        <translation>Protokoll:cddbp</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>%1s</source>
        <translation>%1er</translation>
    </message>
    <message>
        <source>day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>(no year)</source>
        <translation>(kein Jahr)</translation>
    </message>
    <message>
        <source>(no date)</source>
        <translation>(kein Datum)</translation>
    </message>
</context>
<context>
    <name>StatisticsCharts</name>
    <message>
        <source>Recordings</source>
        <translation>Aufnahmen</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Kosten</translation>
    </message>
</context>
<context>
    <name>StatisticsSheet</name>
    <message>
        <source>(all others)</source>
        <translation>(alle übrigen)</translation>
    </message>
    <message>
        <source>Recordings per category</source>
        <translation>Aufnahmen pro Kategorie</translation>
    </message>
    <message>
        <source>Recordings per medium</source>
        <translation>Aufnahmen pro Medium</translation>
    </message>
    <message>
        <source>Recordings per decade of release</source>
        <translation>Aufnahmen pro Jahrzehnt der Veröffentlichung</translation>
    </message>
    <message>
        <source>The ten most frequent labels</source>
        <translation>Die zehn häufigsten Labels</translation>
    </message>
    <message>
        <source>The ten most frequent artists</source>
        <translation>Die zehn häufigsten Interpreten</translation>
    </message>
    <message>
        <source>Purchases per year</source>
        <translation>Käufe pro Jahr</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Decade</source>
        <translation>Jahrzehnt</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Interpret</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
</context>
<context>
    <name>TapeSession</name>
    <message>
        <source>Track is already selected.  Do you want it repeated?</source>
        <translation>Das Stück ist bereits ausgewählt.  Soll es wiederholt werden?</translation>
    </message>
    <message>
        <source>Track will be repeated</source>
        <translation>Stück wird wiederholt</translation>
    </message>
    <message>
        <source>Select an item</source>
        <translation>Eintrag auswählen</translation>
    </message>
    <message>
        <source>An item must be selected before you can delete it from the list.</source>
        <translation>Sie müssen einen Eintrag auswählen, bevor Sie ihn aus der Liste entfernen können.</translation>
    </message>
    <message>
        <source>An item must be selected before you can move it.</source>
        <translation>Sie müssen einen Eintrag auswählen, bevor Sie ihn verschieben können.</translation>
    </message>
</context>
<context>
    <name>TextLimit</name>
    <message>
        <source>%1 takes at most %2 characters: the rest was left out.</source>
        <translation>%1 fasst höchstens %2 Zeichen: der Rest wurde weggelassen.</translation>
    </message>
</context>
<context>
    <name>ViewEditor</name>
    <message>
        <source>At least 1 view must be defined.  You cannot delete the last view.</source>
        <translation>Mindestens 1 Ansicht muss vorhanden sein.  Die letzte Ansicht kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>View Delete Not Allowed</source>
        <translation>Löschen der Ansicht nicht erlaubt</translation>
    </message>
    <message>
        <source>Are you sure you want to delete view &apos;&apos;%1&apos;&apos;?</source>
        <translation>Möchten Sie die Ansicht &apos;&apos;%1&apos;&apos; wirklich löschen?</translation>
    </message>
    <message>
        <source>About to delete view</source>
        <translation>Ansicht wird gelöscht</translation>
    </message>
    <message>
        <source>A view name must be entered.</source>
        <translation>Es muss ein Ansichtsname eingegeben werden.</translation>
    </message>
    <message>
        <source>View Name Required</source>
        <translation>Ansichtsname erforderlich</translation>
    </message>
    <message>
        <source>A view with this name already exists.  Please select another name.  </source>
        <translation>Eine Ansicht mit diesem Namen gibt es bereits.  Bitte wählen Sie einen anderen Namen.  </translation>
    </message>
    <message>
        <source>Duplicate View Name</source>
        <translation>Doppelter Ansichtsname</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Vinaxo</source>
        <translation>Über Vinaxo</translation>
    </message>
    <message>
        <source>Vinaxo</source>
        <translation>Vinaxo</translation>
    </message>
    <message>
        <source>Catalogues a personal collection of recordings.</source>
        <translation>Katalogisiert eine persönliche Sammlung von Aufnahmen.</translation>
    </message>
    <message>
        <source>Release Level 3.1</source>
        <translation>Version 3.1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmCDCalc</name>
    <message>
        <source>Tape Calculator</source>
        <translation>Kassettenrechner</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Interpret</translation>
    </message>
    <message>
        <source>Available Tracks</source>
        <translation>Verfügbare Stücke</translation>
    </message>
    <message>
        <source>Available tracks</source>
        <translation>Verfügbare Stücke</translation>
    </message>
    <message>
        <source>Total Minutes</source>
        <translation>Minuten gesamt</translation>
    </message>
    <message>
        <source>Current Side</source>
        <translation>Aktuelle Seite</translation>
    </message>
    <message>
        <source>Side 1</source>
        <translation>Seite 1</translation>
    </message>
    <message>
        <source>Side 2</source>
        <translation>Seite 2</translation>
    </message>
    <message>
        <source>&gt;&gt; &amp;Add</source>
        <translation>&gt;&gt; &amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&gt;&gt; Copy A&amp;ll</source>
        <translation>&gt;&gt; &amp;Alle übernehmen</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Delete</source>
        <translation>&lt;&lt; &amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;Swap Sides</source>
        <translation>Seiten &amp;tauschen</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>Clip&amp;board</source>
        <translation>&amp;Zwischenablage</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Side 1 tracks</source>
        <translation>Stücke der Seite 1</translation>
    </message>
    <message>
        <source>Total Time</source>
        <translation>Gesamtzeit</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Verbleibend</translation>
    </message>
    <message>
        <source>Side 2 tracks</source>
        <translation>Stücke der Seite 2</translation>
    </message>
</context>
<context>
    <name>frmCDDBAccess</name>
    <message>
        <source>CD Internet Lookup</source>
        <translation>CD-Internetabfrage</translation>
    </message>
    <message>
        <source>Drive &amp;Letter</source>
        <translation>&amp;Laufwerk</translation>
    </message>
    <message>
        <source>&amp;Get CD Info...</source>
        <translation>CD-Info &amp;abrufen...</translation>
    </message>
    <message>
        <source>&amp;Source</source>
        <translation>&amp;Quelle</translation>
    </message>
    <message>
        <source>Where Get CD Info looks: MusicBrainz, or a CDDB server from the configuration</source>
        <translation>Wo CD-Info abrufen sucht: MusicBrainz oder ein CDDB-Server aus den Einstellungen</translation>
    </message>
    <message>
        <source>Database Action</source>
        <translation>Aktion in der Sammlung</translation>
    </message>
    <message>
        <source>&amp;Update entry</source>
        <translation>Eintrag a&amp;ktualisieren</translation>
    </message>
    <message>
        <source>Add &amp;new entry</source>
        <translation>&amp;Neuen Eintrag anlegen</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>&amp;Titel</translation>
    </message>
    <message>
        <source>A&amp;rtist</source>
        <translation>&amp;Interpret</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>&amp;Jahr</translation>
    </message>
    <message>
        <source>Cat&amp;egory</source>
        <translation>Kate&amp;gorie</translation>
    </message>
    <message>
        <source>Track &amp;Information</source>
        <translation>&amp;Stücke</translation>
    </message>
    <message>
        <source>Disc information</source>
        <translation>Angaben zur Disc</translation>
    </message>
    <message>
        <source>Track information</source>
        <translation>Stücke</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>&amp;Configuration...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>&amp;Apply Updates</source>
        <translation>Änderungen &amp;übernehmen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>frmCDDBMultiSelect</name>
    <message>
        <source>Multiple Lookup Results</source>
        <translation>Mehrere Abfrageergebnisse</translation>
    </message>
    <message>
        <source>Lookup results</source>
        <translation>Abfrageergebnisse</translation>
    </message>
    <message>
        <source>The discs that match; choose one</source>
        <translation>Die passenden Discs; wählen Sie eine aus</translation>
    </message>
    <message>
        <source>Artist/Title</source>
        <translation>Interpret/Titel</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Disc ID</source>
        <translation>Disc-ID</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>frmCDIMPDES</name>
    <message>
        <source>File Import and Export</source>
        <translation>Dateiimport und -export</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>Select &amp;File...</source>
        <translation>Datei aus&amp;wählen...</translation>
    </message>
    <message>
        <source>Delimiter:</source>
        <translation>Trennzeichen:</translation>
    </message>
    <message>
        <source>String Delimiter:</source>
        <translation>Textbegrenzer:</translation>
    </message>
    <message>
        <source>Track Delimiter:</source>
        <translation>Stücktrennzeichen:</translation>
    </message>
    <message>
        <source>Available Fields</source>
        <translation>Verfügbare Felder</translation>
    </message>
    <message>
        <source>Available fields</source>
        <translation>Verfügbare Felder</translation>
    </message>
    <message>
        <source>&gt;&gt; &amp;Add</source>
        <translation>&gt;&gt; &amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Delete</source>
        <translation>&lt;&lt; &amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>Selected Fields</source>
        <translation>Ausgewählte Felder</translation>
    </message>
    <message>
        <source>Selected fields</source>
        <translation>Ausgewählte Felder</translation>
    </message>
    <message>
        <source>&amp;Open Def...</source>
        <translation>Definition ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Sa&amp;ve Def...</source>
        <translation>Definition spei&amp;chern...</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Meldungen</translation>
    </message>
    <message>
        <source>What the import or export reported</source>
        <translation>Was der Import oder Export gemeldet hat</translation>
    </message>
    <message>
        <source>Count:</source>
        <translation>Anzahl:</translation>
    </message>
    <message>
        <source>&amp;Start Import</source>
        <translation>Import &amp;starten</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Schl&amp;ießen</translation>
    </message>
</context>
<context>
    <name>frmCDInfoConfig</name>
    <message>
        <source>Configure Internet CD Lookup</source>
        <translation>CD-Internetabfrage einrichten</translation>
    </message>
    <message>
        <source>Internet &amp;Site</source>
        <translation>Internet-&amp;Server</translation>
    </message>
    <message>
        <source>&amp;Get Site List</source>
        <translation>Server&amp;liste abrufen</translation>
    </message>
    <message>
        <source>Connect To:</source>
        <translation>Verbinden mit:</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>&amp;User ID:</source>
        <translation>&amp;Benutzerkennung:</translation>
    </message>
    <message>
        <source>&amp;Timeout Seconds:</source>
        <translation>&amp;Zeitlimit in Sekunden:</translation>
    </message>
    <message>
        <source>1 to 60 seconds (Up and Down keys change it)</source>
        <translation>1 bis 60 Sekunden (mit den Pfeiltasten nach oben und unten änderbar)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmCDLoad</name>
    <message>
        <source>Loading</source>
        <translation>Wird geladen</translation>
    </message>
    <message>
        <source>Loading file:</source>
        <translation>Datei wird geladen:</translation>
    </message>
</context>
<context>
    <name>frmCDMLIST</name>
    <message>
        <source>Vinaxo - Recording Collection</source>
        <translation>Vinaxo - Aufnahmesammlung</translation>
    </message>
    <message>
        <source>&amp;View / Report Name:</source>
        <translation>&amp;Ansicht / Bericht:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Configure views and reports</source>
        <translation>Ansichten und Berichte einrichten</translation>
    </message>
    <message>
        <source>Fi&amp;lter:</source>
        <translation>Fi&amp;lter:</translation>
    </message>
    <message>
        <source>Quick filter</source>
        <translation>Schnellfilter</translation>
    </message>
    <message>
        <source>Lists only the recordings that contain this text</source>
        <translation>Listet nur die Aufnahmen, die diesen Text enthalten</translation>
    </message>
    <message>
        <source>Title, artist, track, year... (Ctrl+L)</source>
        <translation>Titel, Interpret, Stück, Jahr... (Strg+L)</translation>
    </message>
    <message>
        <source>Lists the recordings that hold every word typed, in any letter case, with or without accents (Ctrl+L; Esc clears)</source>
        <translation>Listet die Aufnahmen, die jedes eingegebene Wort enthalten, unabhängig von Groß-/Kleinschreibung und Akzenten (Strg+L; Esc leert)</translation>
    </message>
    <message>
        <source>Recordings</source>
        <translation>Aufnahmen</translation>
    </message>
    <message>
        <source>The recordings of the collection, one a row; Enter opens the current one</source>
        <translation>Die Aufnahmen der Sammlung, eine pro Zeile; die Eingabetaste öffnet die aktuelle</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>D&amp;uplicate Check</source>
        <translation>&amp;Dublettenprüfung</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>S&amp;peichern</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation>Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>Report &amp;Design...</source>
        <translation>Berichts&amp;entwurf...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Import/Export...</source>
        <translation>&amp;Import/Export...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Artist and Title</source>
        <translation>&amp;Interpret und Titel</translation>
    </message>
    <message>
        <source>Also Compare &amp;Medium</source>
        <translation>Auch &amp;Medium vergleichen</translation>
    </message>
    <message>
        <source>Also Compare &amp;Catalog Number</source>
        <translation>Auch &amp;Katalognummer vergleichen</translation>
    </message>
    <message>
        <source>&amp;Entry Detail...</source>
        <translation>&amp;Eintragsdetails...</translation>
    </message>
    <message>
        <source>&amp;Start Search...</source>
        <translation>&amp;Suche starten...</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>&amp;Filter</source>
        <translation>&amp;Filter</translation>
    </message>
    <message>
        <source>List only the recordings the search selected</source>
        <translation>Nur die von der Suche ausgewählten Aufnahmen auflisten</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>&amp;Lookup - Fast add...</source>
        <translation>&amp;Nachschlagen - schnell hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Calculator...</source>
        <translation>Re&amp;chner...</translation>
    </message>
    <message>
        <source>Configure &amp;Views and Reports...</source>
        <translation>&amp;Ansichten und Berichte einrichten...</translation>
    </message>
    <message>
        <source>Configure &amp;Categories...</source>
        <translation>&amp;Kategorien bearbeiten...</translation>
    </message>
    <message>
        <source>Configure &amp;Mediums...</source>
        <translation>&amp;Medien bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>&amp;Statistik...</translation>
    </message>
    <message>
        <source>&amp;Load Last File</source>
        <translation>&amp;Letzte Datei laden</translation>
    </message>
    <message>
        <source>&amp;Default Categories</source>
        <translation>S&amp;tandardkategorien</translation>
    </message>
    <message>
        <source>Default &amp;Mediums</source>
        <translation>Standardmed&amp;ien</translation>
    </message>
    <message>
        <source>Auto Calculate &amp;Total Time</source>
        <translation>&amp;Gesamtzeit automatisch berechnen</translation>
    </message>
    <message>
        <source>Help &amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Open &amp;Example Collection</source>
        <translation>Beispiel&amp;sammlung öffnen</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber Vinaxo...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Open existing file</source>
        <translation>Vorhandene Datei öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save the current file</source>
        <translation>Die aktuelle Datei speichern</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Edit the current selection</source>
        <translation>Die aktuelle Auswahl bearbeiten</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print reports</source>
        <translation>Berichte drucken</translation>
    </message>
    <message>
        <source>Calc</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Recording calculator</source>
        <translation>Aufnahmerechner</translation>
    </message>
    <message>
        <source>Lookup</source>
        <translation>Abfrage</translation>
    </message>
    <message>
        <source>One button add - CDInfo lookup</source>
        <translation>Mit einem Klick hinzufügen - CD-Info abfragen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Search for recordings</source>
        <translation>Aufnahmen suchen</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Press to filter to selections listed</source>
        <translation>Drücken, um auf die aufgelistete Auswahl zu filtern</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>frmCDPRINT</name>
    <message>
        <source>Print Report</source>
        <translation>Bericht drucken</translation>
    </message>
    <message>
        <source>Formatting</source>
        <translation>Formatierung</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Report Title</source>
        <translation>Berichtstitel</translation>
    </message>
    <message>
        <source>Report Heading</source>
        <translation>Berichtsüberschrift</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Schriftarten</translation>
    </message>
    <message>
        <source>Heading Font</source>
        <translation>Schrift der Überschrift</translation>
    </message>
    <message>
        <source>Set &amp;Heading</source>
        <translation>Ü&amp;berschrift festlegen</translation>
    </message>
    <message>
        <source>Report Detail Font</source>
        <translation>Schrift der Berichtszeilen</translation>
    </message>
    <message>
        <source>Set &amp;Detail</source>
        <translation>&amp;Zeilenschrift festlegen</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>P&amp;ortrait</source>
        <translation>&amp;Hochformat</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Querformat</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>frmCDSearch</name>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Search Criteria</source>
        <translation>Suchkriterien</translation>
    </message>
    <message>
        <source>Search &amp;for</source>
        <translation>Suchen &amp;nach</translation>
    </message>
    <message>
        <source>Text / Global</source>
        <translation>Text / überall</translation>
    </message>
    <message>
        <source>Text / Begin</source>
        <translation>Text / Anfang</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Search Location</source>
        <translation>Suchbereich</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Interpret</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Kommentare</translation>
    </message>
    <message>
        <source>Composer</source>
        <translation>Komponist</translation>
    </message>
    <message>
        <source>Conductor</source>
        <translation>Dirigent</translation>
    </message>
    <message>
        <source>Misc Key 1</source>
        <translation>Schlüssel 1</translation>
    </message>
    <message>
        <source>Misc Key 2</source>
        <translation>Schlüssel 2</translation>
    </message>
    <message>
        <source>Misc Key 3</source>
        <translation>Schlüssel 3</translation>
    </message>
    <message>
        <source>Awards</source>
        <translation>Auszeichnungen</translation>
    </message>
    <message>
        <source>Track Title</source>
        <translation>Stücktitel</translation>
    </message>
    <message>
        <source>Track Description</source>
        <translation>Stückbeschreibung</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>Catalog Nbr</source>
        <translation>Katalognr.</translation>
    </message>
    <message>
        <source>Release Year</source>
        <translation>Erscheinungsjahr</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>Set &amp;All</source>
        <translation>&amp;Alle auswählen</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
</context>
<context>
    <name>frmCommonAdd</name>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>frmConfigureView</name>
    <message>
        <source>Configure View / Report</source>
        <translation>Ansicht / Bericht einrichten</translation>
    </message>
    <message>
        <source>View Name:</source>
        <translation>Ansichtsname:</translation>
    </message>
    <message>
        <source>New View...</source>
        <translation>Neue Ansicht...</translation>
    </message>
    <message>
        <source>Delete View</source>
        <translation>Ansicht löschen</translation>
    </message>
    <message>
        <source>Available columns</source>
        <translation>Verfügbare Spalten</translation>
    </message>
    <message>
        <source>Available Columns</source>
        <translation>Verfügbare Spalten</translation>
    </message>
    <message>
        <source>&gt;&gt; &amp;Add</source>
        <translation>&gt;&gt; &amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Delete</source>
        <translation>&lt;&lt; &amp;Entfernen</translation>
    </message>
    <message>
        <source>Shown columns</source>
        <translation>Angezeigte Spalten</translation>
    </message>
    <message>
        <source>Selected Columns</source>
        <translation>Ausgewählte Spalten</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Column Printing</source>
        <translation>Spaltendruck</translation>
    </message>
    <message>
        <source>Column Name</source>
        <translation>Spaltenname</translation>
    </message>
    <message>
        <source>Column Width</source>
        <translation>Spaltenbreite</translation>
    </message>
    <message>
        <source>New Width</source>
        <translation>Neue Breite</translation>
    </message>
    <message>
        <source>Adjust &amp;Width</source>
        <translation>&amp;Breite anpassen</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Heading:</source>
        <translation>Überschrift:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmEntryDetail</name>
    <message>
        <source>Entry Detail</source>
        <translation>Eintragsdetails</translation>
    </message>
    <message>
        <source>Recording pages</source>
        <translation>Seiten der Aufnahme</translation>
    </message>
    <message>
        <source>Ctrl+Tab moves to the next page</source>
        <translation>Strg+Tab wechselt zur nächsten Seite</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Primary fields</source>
        <translation>Hauptfelder</translation>
    </message>
    <message>
        <source>Key Information</source>
        <translation>Hauptangaben</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>&amp;Titel</translation>
    </message>
    <message>
        <source>&amp;Artist</source>
        <translation>&amp;Interpret</translation>
    </message>
    <message>
        <source>&amp;Unlock</source>
        <translation>&amp;Entsperren</translation>
    </message>
    <message>
        <source>Unlock the title and artist for editing</source>
        <translation>Titel und Interpret zum Bearbeiten freigeben</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Catalog</source>
        <translation>Katalog</translation>
    </message>
    <message>
        <source>Release &amp;Year</source>
        <translation>Erscheinungs&amp;jahr</translation>
    </message>
    <message>
        <source>Catalog &amp;Nbr</source>
        <translation>Katalog&amp;nr.</translation>
    </message>
    <message>
        <source>&amp;Label</source>
        <translation>&amp;Label</translation>
    </message>
    <message>
        <source>&amp;Category</source>
        <translation>&amp;Kategorie</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Edit Category List</source>
        <translation>Kategorieliste bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Medium</translation>
    </message>
    <message>
        <source>Edit Medium List</source>
        <translation>Medienliste bearbeiten</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>L&amp;ocation</source>
        <translation>&amp;Standort</translation>
    </message>
    <message>
        <source>Collect&amp;ion Nbr</source>
        <translation>Samml&amp;ungsnr.</translation>
    </message>
    <message>
        <source>Comm&amp;ents</source>
        <translation>K&amp;ommentare</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Picture of the recording</source>
        <translation>Bild der Aufnahme</translation>
    </message>
    <message>
        <source>No picture</source>
        <translation>Kein Bild</translation>
    </message>
    <message>
        <source>The recording&apos;s picture: choose one with Picture... or drop a JPEG or PNG file here</source>
        <translation>Das Bild der Aufnahme: wählen Sie eines mit Bild... oder ziehen Sie eine JPEG- oder PNG-Datei hierher</translation>
    </message>
    <message>
        <source>&amp;Picture...</source>
        <translation>&amp;Bild...</translation>
    </message>
    <message>
        <source>Choose a JPEG or PNG file as this recording&apos;s picture</source>
        <translation>Eine JPEG- oder PNG-Datei als Bild dieser Aufnahme auswählen</translation>
    </message>
    <message>
        <source>&amp;Remove Picture</source>
        <translation>Bild ent&amp;fernen</translation>
    </message>
    <message>
        <source>This recording is to have no picture</source>
        <translation>Diese Aufnahme soll kein Bild haben</translation>
    </message>
    <message>
        <source>Additional</source>
        <translation>Weiteres</translation>
    </message>
    <message>
        <source>Additional fields</source>
        <translation>Weitere Felder</translation>
    </message>
    <message>
        <source>Classical Info</source>
        <translation>Klassik-Angaben</translation>
    </message>
    <message>
        <source>Com&amp;poser</source>
        <translation>Kom&amp;ponist</translation>
    </message>
    <message>
        <source>&amp;Conductor</source>
        <translation>Diri&amp;gent</translation>
    </message>
    <message>
        <source>Purchase Info</source>
        <translation>Kaufangaben</translation>
    </message>
    <message>
        <source>Purchase &amp;Date</source>
        <translation>&amp;Kaufdatum</translation>
    </message>
    <message>
        <source>Purchase P&amp;rice</source>
        <translation>Kaufp&amp;reis</translation>
    </message>
    <message>
        <source>Misc Keys</source>
        <translation>Weitere Schlüssel</translation>
    </message>
    <message>
        <source>Key &amp;1</source>
        <translation>Schlüssel &amp;1</translation>
    </message>
    <message>
        <source>Key &amp;2</source>
        <translation>Schlüssel &amp;2</translation>
    </message>
    <message>
        <source>Key &amp;3</source>
        <translation>Schlüssel &amp;3</translation>
    </message>
    <message>
        <source>Ratings</source>
        <translation>Bewertungen</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>K&amp;lang</translation>
    </message>
    <message>
        <source>P&amp;erformance</source>
        <translation>&amp;Darbietung</translation>
    </message>
    <message>
        <source>Awards</source>
        <translation>Auszeichnungen</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Stücke</translation>
    </message>
    <message>
        <source>Track titles</source>
        <translation>Stücktitel</translation>
    </message>
    <message>
        <source>Discs and Time</source>
        <translation>Discs und Zeit</translation>
    </message>
    <message>
        <source>Nbr of D&amp;iscs</source>
        <translation>Anzahl &amp;Discs</translation>
    </message>
    <message>
        <source>Nbr of Trac&amp;ks</source>
        <translation>Anzahl &amp;Stücke</translation>
    </message>
    <message>
        <source>&amp;Blank</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>Replace the tracks by this number of empty ones</source>
        <translation>Die Stücke durch diese Anzahl leerer Stücke ersetzen</translation>
    </message>
    <message>
        <source>Total Ti&amp;me</source>
        <translation>&amp;Gesamtzeit</translation>
    </message>
    <message>
        <source>&amp;Read CD</source>
        <translation>&amp;CD lesen</translation>
    </message>
    <message>
        <source>Read the track count and times from the disc</source>
        <translation>Anzahl und Dauer der Stücke von der Disc lesen</translation>
    </message>
    <message>
        <source>Dri&amp;ve</source>
        <translation>Lauf&amp;werk</translation>
    </message>
    <message>
        <source>The tracks of the recording: number, title and time</source>
        <translation>Die Stücke der Aufnahme: Nummer, Titel und Dauer</translation>
    </message>
    <message>
        <source>Track Maintenance</source>
        <translation>Stücke bearbeiten</translation>
    </message>
    <message>
        <source>Track Tit&amp;le</source>
        <translation>Stück&amp;titel</translation>
    </message>
    <message>
        <source>Tim&amp;e</source>
        <translation>Da&amp;uer</translation>
    </message>
    <message>
        <source>Update &amp;Track</source>
        <translation>Stück über&amp;nehmen</translation>
    </message>
    <message>
        <source>Store this track and show the next one (Enter)</source>
        <translation>Dieses Stück speichern und das nächste zeigen (Eingabe)</translation>
    </message>
    <message>
        <source>Descri&amp;ption</source>
        <translation>Beschrei&amp;bung</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Erster</translation>
    </message>
    <message>
        <source>First record</source>
        <translation>Erster Eintrag</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Vorheriger</translation>
    </message>
    <message>
        <source>Previous record</source>
        <translation>Vorheriger Eintrag</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächster</translation>
    </message>
    <message>
        <source>Next record</source>
        <translation>Nächster Eintrag</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Letzter</translation>
    </message>
    <message>
        <source>Last record</source>
        <translation>Letzter Eintrag</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Add a new record</source>
        <translation>Einen neuen Eintrag anlegen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cancel changes</source>
        <translation>Änderungen verwerfen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save the changes</source>
        <translation>Die Änderungen speichern</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete the current record</source>
        <translation>Den aktuellen Eintrag löschen</translation>
    </message>
    <message>
        <source>Lookup</source>
        <translation>Abfrage</translation>
    </message>
    <message>
        <source>Lookup CD Information from the Internet</source>
        <translation>CD-Informationen im Internet abfragen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>frmNameList</name>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmNewView</name>
    <message>
        <source>New View</source>
        <translation>Neue Ansicht</translation>
    </message>
    <message>
        <source>View Name:</source>
        <translation>Ansichtsname:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>frmPrintPreview</name>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>&lt;&lt; P&amp;revious</source>
        <translation>&lt;&lt; &amp;Zurück</translation>
    </message>
    <message>
        <source>Page 0 of 0</source>
        <translation>Seite 0 von 0</translation>
    </message>
    <message>
        <source>&amp;Next &gt;&gt;</source>
        <translation>&amp;Weiter &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>frmStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>&amp;Chart:</source>
        <translation>&amp;Diagramm:</translation>
    </message>
    <message>
        <source>&amp;Style:</source>
        <translation>Diagramm&amp;art:</translation>
    </message>
    <message>
        <source>Bars</source>
        <translation>Balken</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Only the &amp;listed recordings</source>
        <translation>Nur die auf&amp;gelisteten Aufnahmen</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>The chosen statistic drawn as a chart; the figures list holds the same numbers</source>
        <translation>Die gewählte Statistik als Diagramm; die Zahlenliste enthält dieselben Werte</translation>
    </message>
    <message>
        <source>&amp;Figures:</source>
        <translation>&amp;Zahlen:</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>Zahlen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Recordings</source>
        <translation>Aufnahmen</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Kosten</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Summen</translation>
    </message>
    <message>
        <source>Recordings:</source>
        <translation>Aufnahmen:</translation>
    </message>
    <message>
        <source>Tracks:</source>
        <translation>Stücke:</translation>
    </message>
    <message>
        <source>Playing time:</source>
        <translation>Spieldauer:</translation>
    </message>
    <message>
        <source>Cost:</source>
        <translation>Kosten:</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>A&amp;ktualisieren</translation>
    </message>
    <message>
        <source>&amp;Export Chart...</source>
        <translation>Diagramm &amp;exportieren...</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Catalogues a personal collection of recordings.</source>
        <translation>Katalogisiert eine persönliche Sammlung von Aufnahmen.</translation>
    </message>
    <message>
        <source>A collection file to open.</source>
        <translation>Eine zu öffnende Sammlungsdatei.</translation>
    </message>
</context>
<context>
    <name>vinaxo::CoverPanel</name>
    <message>
        <source>No picture</source>
        <translation>Kein Bild</translation>
    </message>
    <message>
        <source>Choose Picture</source>
        <translation>Bild auswählen</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>%1 is not a JPEG or PNG picture that can be read.</source>
        <translation>%1 ist kein lesbares JPEG- oder PNG-Bild.</translation>
    </message>
</context>
<context>
    <name>vinaxo::DriveCombo</name>
    <message>
        <source>The CD drive or disc image to read (D: is the default drive)</source>
        <translation>Das zu lesende CD-Laufwerk oder Disc-Abbild (D: ist das Standardlaufwerk)</translation>
    </message>
    <message>
        <source>Disc Image</source>
        <translation>Disc-Abbild</translation>
    </message>
    <message>
        <source>Disc Images</source>
        <translation>Disc-Abbilder</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
</context>
<context>
    <name>vinaxo::TrackListModel</name>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
</context>
<context>
    <name>vinaxo::frmCDCalc</name>
    <message>
        <source>All entries have been copied to the Windows clipboard.  You may now switch to another program and use the paste function.  </source>
        <translation>Alle Einträge wurden in die Zwischenablage kopiert.  Sie können jetzt zu einem anderen Programm wechseln und dort einfügen.  </translation>
    </message>
    <message>
        <source>Copied to Clipboard</source>
        <translation>In die Zwischenablage kopiert</translation>
    </message>
</context>
<context>
    <name>vinaxo::frmCDDBMultiSelect</name>
    <message>
        <source>Artist/Title</source>
        <translation>Interpret/Titel</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Veröffentlichung</translation>
    </message>
</context>
<context>
    <name>vinaxo::frmCDIMPDES</name>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Import Files</source>
        <translation>Importdateien</translation>
    </message>
    <message>
        <source>Export Files</source>
        <translation>Exportdateien</translation>
    </message>
    <message>
        <source>Import/Export Def</source>
        <translation>Import-/Export-Definition</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Speichern unter...</translation>
    </message>
    <message>
        <source>&amp;Start Export</source>
        <translation>Export &amp;starten</translation>
    </message>
    <message>
        <source>&amp;Start Import</source>
        <translation>Import &amp;starten</translation>
    </message>
    <message>
        <source>Select Export File</source>
        <translation>Exportdatei auswählen</translation>
    </message>
    <message>
        <source>Select Import File</source>
        <translation>Importdatei auswählen</translation>
    </message>
    <message>
        <source>Field is already selected.  Duplicate fields within the import file are not allowed.</source>
        <translation>Das Feld ist bereits ausgewählt.  Doppelte Felder in der Importdatei sind nicht erlaubt.</translation>
    </message>
    <message>
        <source>Field already selected</source>
        <translation>Feld bereits ausgewählt</translation>
    </message>
    <message>
        <source>An item must be selected before you can delete it from the list.</source>
        <translation>Sie müssen einen Eintrag auswählen, bevor Sie ihn aus der Liste entfernen können.</translation>
    </message>
    <message>
        <source>Select an item</source>
        <translation>Eintrag auswählen</translation>
    </message>
    <message>
        <source>Open Import/Export Definition File</source>
        <translation>Import-/Export-Definitionsdatei öffnen</translation>
    </message>
    <message>
        <source>Save Import/Export Definition File</source>
        <translation>Import-/Export-Definitionsdatei speichern</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>Save Messages</source>
        <translation>Meldungen speichern</translation>
    </message>
    <message>
        <source>Text Files</source>
        <translation>Textdateien</translation>
    </message>
</context>
<context>
    <name>vinaxo::frmCDInfoConfig</name>
    <message>
        <source>Timeout value must be between 1 and 60 seconds.  </source>
        <translation>Das Zeitlimit muss zwischen 1 und 60 Sekunden liegen.  </translation>
    </message>
    <message>
        <source>Invalid Timeout Value</source>
        <translation>Ungültiges Zeitlimit</translation>
    </message>
</context>
<context>
    <name>vinaxo::frmCDMLIST</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>A Recording must be selected before choosing this option</source>
        <translation>Für diese Funktion muss eine Aufnahme ausgewählt sein</translation>
    </message>
    <message>
        <source>Selection Required</source>
        <translation>Auswahl erforderlich</translation>
    </message>
    <message>
        <source>No tracks available for the calculator.  You must first enter track detail for this entry.</source>
        <translation>Für den Rechner sind keine Stücke vorhanden.  Geben Sie zuerst die Stücke dieses Eintrags ein.</translation>
    </message>
    <message>
        <source>No Tracks Available</source>
        <translation>Keine Stücke vorhanden</translation>
    </message>
    <message>
        <source>The help document could not be opened.</source>
        <translation>Die Hilfe konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>&amp;Recovery Copy</source>
        <translation>&amp;Wiederherstellungskopie</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>&amp;Aus</translation>
    </message>
    <message>
        <source>Every &amp;30 Seconds</source>
        <translation>Alle &amp;30 Sekunden</translation>
    </message>
    <message>
        <source>Every &amp;Minute</source>
        <translation>Jede &amp;Minute</translation>
    </message>
    <message>
        <source>Every &amp;2 Minutes</source>
        <translation>Alle &amp;2 Minuten</translation>
    </message>
    <message>
        <source>Every &amp;5 Minutes</source>
        <translation>Alle &amp;5 Minuten</translation>
    </message>
    <message>
        <source> [read-only]</source>
        <translation> [schreibgeschützt]</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>undo or redo and the step&apos;s name</comment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>vinaxo::frmCDPRINT</name>
    <message>
        <source>Tape Calculator Report</source>
        <translation>Bericht des Kassettenrechners</translation>
    </message>
    <message>
        <source>Heading Font</source>
        <translation>Schrift der Überschrift</translation>
    </message>
    <message>
        <source>Report Detail Font</source>
        <translation>Schrift der Berichtszeilen</translation>
    </message>
    <message>
        <source>Printing...</source>
        <translation>Wird gedruckt...</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Printing page %1 of %2</source>
        <translation>Seite %1 von %2 wird gedruckt</translation>
    </message>
    <message>
        <source>Printing page %1</source>
        <translation>Seite %1 wird gedruckt</translation>
    </message>
    <message>
        <source>The columns of this report are wider than the page: choose landscape or a smaller detail font</source>
        <translation>Die Spalten dieses Berichts sind breiter als die Seite: wählen Sie Querformat oder eine kleinere Zeilenschrift</translation>
    </message>
    <message>
        <source>The columns of this view are wider than the page: choose landscape, a smaller detail font, or narrower columns</source>
        <translation>Die Spalten dieser Ansicht sind breiter als die Seite: wählen Sie Querformat, eine kleinere Zeilenschrift oder schmalere Spalten</translation>
    </message>
</context>
<context>
    <name>vinaxo::frmCDSearch</name>
    <message>
        <source>Search for</source>
        <translation>Suchen nach</translation>
    </message>
    <message>
        <source>Clear &amp;All</source>
        <translation>&amp;Alle abwählen</translation>
    </message>
    <message>
        <source>Set &amp;All</source>
        <translation>&amp;Alle auswählen</translation>
    </message>
</context>
<context>
    <name>vinaxo::frmCommonAdd</name>
    <message>
        <source>The name</source>
        <translation>Der Name</translation>
    </message>
    <message>
        <source>Add new %1</source>
        <translation>%1 neu hinzufügen</translation>
    </message>
</context>
<context>
    <name>vinaxo::frmConfigureView</name>
    <message>
        <source>A column heading</source>
        <translation>Eine Spaltenüberschrift</translation>
    </message>
    <message>
        <source>The report heading</source>
        <translation>Die Berichtsüberschrift</translation>
    </message>
</context>
<context>
    <name>vinaxo::frmEntryDetail</name>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Interpret</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Release Year</source>
        <translation>Erscheinungsjahr</translation>
    </message>
    <message>
        <source>Catalog Nbr</source>
        <translation>Katalognr.</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Collection Nbr</source>
        <translation>Sammlungsnr.</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Kommentare</translation>
    </message>
    <message>
        <source>Composer</source>
        <translation>Komponist</translation>
    </message>
    <message>
        <source>Conductor</source>
        <translation>Dirigent</translation>
    </message>
    <message>
        <source>Key 1</source>
        <translation>Schlüssel 1</translation>
    </message>
    <message>
        <source>Key 2</source>
        <translation>Schlüssel 2</translation>
    </message>
    <message>
        <source>Key 3</source>
        <translation>Schlüssel 3</translation>
    </message>
    <message>
        <source>Purchase Date</source>
        <translation>Kaufdatum</translation>
    </message>
    <message>
        <source>Purchase Price</source>
        <translation>Kaufpreis</translation>
    </message>
    <message>
        <source>Awards</source>
        <translation>Auszeichnungen</translation>
    </message>
    <message>
        <source>Total Time</source>
        <translation>Gesamtzeit</translation>
    </message>
    <message>
        <source>Track Title</source>
        <translation>Stücktitel</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Dauer</translation>
    </message>
</context>
<context>
    <name>vinaxo::frmNameList</name>
    <message>
        <source>%1 list</source>
        <translation>Liste: %1</translation>
    </message>
</context>
<context>
    <name>vinaxo::frmNewView</name>
    <message>
        <source>A view name</source>
        <translation>Ein Ansichtsname</translation>
    </message>
</context>
<context>
    <name>vinaxo::frmPrintPreview</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source> (laying out page %1 of %2...)</source>
        <translation> (Seite %1 von %2 wird gesetzt...)</translation>
    </message>
    <message>
        <source> (laying out...)</source>
        <translation> (wird gesetzt...)</translation>
    </message>
</context>
<context>
    <name>vinaxo::frmStatistics</name>
    <message>
        <source>Counting...</source>
        <translation>Wird gezählt...</translation>
    </message>
    <message>
        <source>Recordings</source>
        <translation>Aufnahmen</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Kosten</translation>
    </message>
    <message>
        <source>Export Chart</source>
        <translation>Diagramm exportieren</translation>
    </message>
    <message>
        <source>PNG Images</source>
        <translation>PNG-Bilder</translation>
    </message>
    <message>
        <source>SVG Drawings</source>
        <translation>SVG-Zeichnungen</translation>
    </message>
    <message>
        <source>The chart could not be written to %1.</source>
        <translation>Das Diagramm konnte nicht nach %1 geschrieben werden.</translation>
    </message>
</context>
</TS>
