<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AtomicFileWriter</name>
    <message>
        <source>Permission denied (the file is read-only)</source>
        <translation>Zugriff verweigert (die Datei ist schreibgeschützt)</translation>
    </message>
</context>
<context>
    <name>BackupError</name>
    <message>
        <source>Could not back up &quot;%1&quot; into &quot;%2&quot;: %3. Nothing was saved.</source>
        <translation>„%1“ konnte nicht nach „%2“ gesichert werden: %3. Nichts wurde gespeichert.</translation>
    </message>
</context>
<context>
    <name>BackupStore</name>
    <message>
        <source>the folder cannot be created</source>
        <translation>der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>%1 backups within one second</source>
        <translation>%1 Sicherungen innerhalb einer Sekunde</translation>
    </message>
</context>
<context>
    <name>BlockQuartersCommand</name>
    <message>
        <source>Edit Block %1</source>
        <translation>Block %1 bearbeiten</translation>
    </message>
</context>
<context>
    <name>BpsPatch</name>
    <message>
        <source>a number runs into the checksums</source>
        <translation>eine Zahl reicht in die Prüfsummen</translation>
    </message>
    <message>
        <source>a number at byte %1 is too long</source>
        <translation>eine Zahl bei Byte %1 ist zu lang</translation>
    </message>
    <message>
        <source>%1 bytes are missing</source>
        <translation>%1 Bytes fehlen</translation>
    </message>
    <message>
        <source>the %1 at target offset %2 reaches outside its data</source>
        <translation>die Aktion %1 bei Ziel-Offset %2 reicht über ihre Daten hinaus</translation>
    </message>
    <message>
        <source>a patch is made for images of at most 16 MiB</source>
        <translation>ein Patch ist für Abbilder von höchstens 16 MiB gedacht</translation>
    </message>
    <message>
        <source>no &quot;BPS1&quot; at the start</source>
        <translation>kein „BPS1“ am Anfang</translation>
    </message>
    <message>
        <source>%1 bytes are too few for a BPS patch</source>
        <translation>%1 Bytes sind zu wenig für einen BPS-Patch</translation>
    </message>
    <message>
        <source>recorded %1, the file gives %2</source>
        <translation>vermerkt %1, die Datei ergibt %2</translation>
    </message>
    <message>
        <source>it expects %1 bytes with CRC32 %2, the ROM has %3 bytes with CRC32 %4</source>
        <translation>er erwartet %1 Bytes mit CRC32 %2, das ROM hat %3 Bytes mit CRC32 %4</translation>
    </message>
    <message>
        <source>the patched file would be %1 bytes; at most 16 MiB is a ROM image</source>
        <translation>die gepatchte Datei hätte %1 Bytes; ein ROM-Abbild hat höchstens 16 MiB</translation>
    </message>
    <message>
        <source>the metadata runs into the checksums</source>
        <translation>die Metadaten reichen in die Prüfsummen</translation>
    </message>
    <message>
        <source>the actions give %1 of the %2 bytes it announces</source>
        <translation>die Aktionen ergeben %1 der %2 Bytes, die er ankündigt</translation>
    </message>
    <message>
        <source>recorded %1, the result gives %2</source>
        <translation>vermerkt %1, das Ergebnis ergibt %2</translation>
    </message>
</context>
<context>
    <name>CartridgeCheck</name>
    <message>
        <source>no cartridge size</source>
        <translation>keine Modulgröße</translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <translation>%1 MiB</translation>
    </message>
    <message>
        <source>%1 KiB</source>
        <translation>%1 KiB</translation>
    </message>
    <message>
        <source>The file is too short to hold a cartridge header (%1 bytes).</source>
        <translation>Die Datei ist zu kurz für einen Modul-Header (%1 Bytes).</translation>
    </message>
    <message>
        <source>Its title is &quot;%1&quot;, not &quot;%2&quot;.</source>
        <translation>Ihr Titel ist „%1“, nicht „%2“.</translation>
    </message>
    <message>
        <source>Its cartridge type is %1, not an MBC1 cartridge.</source>
        <translation>Ihr Modultyp ist %1, kein MBC1-Modul.</translation>
    </message>
    <message>
        <source>The file is %1 bytes long, where the 512 KiB cartridge is %2.</source>
        <translation>Die Datei ist %1 Bytes lang, das 512-KiB-Modul %2.</translation>
    </message>
    <message>
        <source>Its size byte is %1 (%2), where a 512 KiB cartridge has %3.</source>
        <translation>Ihr Größenbyte ist %1 (%2), ein 512-KiB-Modul hat %3.</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Do you want to save %1?</source>
        <translation>Möchten Sie %1 speichern?</translation>
    </message>
</context>
<context>
    <name>EmulatorLauncher</name>
    <message>
        <source>Set the emulator command under Preferences, for example &quot;mgba-qt %f&quot;.</source>
        <translation>Legen Sie den Emulator-Befehl unter Einstellungen fest, zum Beispiel „mgba-qt %f“.</translation>
    </message>
    <message>
        <source>No emulator is set, and neither mgba-qt nor mgba is on the PATH or in %1. </source>
        <translation>Kein Emulator ist eingestellt, und weder mgba-qt noch mgba liegt im PATH oder in %1. </translation>
    </message>
    <message>
        <source>The emulator command &quot;%1&quot; names no program. </source>
        <translation>Der Emulator-Befehl „%1“ nennt kein Programm. </translation>
    </message>
    <message>
        <source>The emulator &quot;%1&quot; was not found, or is not a program that can be run. </source>
        <translation>Der Emulator „%1“ wurde nicht gefunden oder ist kein ausführbares Programm. </translation>
    </message>
    <message>
        <source>Cannot make a temporary folder for the play-test copy: %1</source>
        <translation>Kein temporärer Ordner für die Testkopie: %1</translation>
    </message>
    <message>
        <source>Cannot write the play-test copy %1: %2</source>
        <translation>Die Testkopie %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The emulator &quot;%1&quot; could not be started: %2</source>
        <translation>Der Emulator „%1“ konnte nicht gestartet werden: %2</translation>
    </message>
</context>
<context>
    <name>ExitScript</name>
    <message>
        <source>Exit script %1&apos;s table word (at %2) is $%3, outside bank %4&apos;s $4000-$7FFF</source>
        <translation>Das Tabellenwort von Ausgangsskript %1 (bei %2) ist $%3, außerhalb von $4000-$7FFF der Bank %4</translation>
    </message>
    <message>
        <source>warp to row %1, column %2</source>
        <translation>Warp zu Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>camera Y low byte %1, player Y low byte %2</source>
        <translation>Low-Byte von Kamera-Y %1, Low-Byte von Spieler-Y %2</translation>
    </message>
    <message>
        <source>enemy graphics from bank %1, address $%2</source>
        <translation>Gegnergrafik aus Bank %1, Adresse $%2</translation>
    </message>
    <message>
        <source>command %1</source>
        <translation>Befehl %1</translation>
    </message>
    <message>
        <source>end</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>unknown: %1</source>
        <translation>unbekannt: %1</translation>
    </message>
</context>
<context>
    <name>ExitScriptCommand</name>
    <message>
        <source>Edit Exit Script %1</source>
        <translation>Ausgangsskript %1 bearbeiten</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>Could not open &quot;%1&quot;: %2</source>
        <translation>„%1“ konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Could not save &quot;%1&quot;: %2</source>
        <translation>„%1“ konnte nicht gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>Guarded</name>
    <message>
        <source>Out of memory; the action was not carried out.</source>
        <translation>Kein Speicher mehr; die Aktion wurde nicht ausgeführt.</translation>
    </message>
</context>
<context>
    <name>HeaderTexts</name>
    <message>
        <source>Map header offset: 0x%1</source>
        <translation>Offset des Mapheaders: 0x%1</translation>
    </message>
</context>
<context>
    <name>ImageFiles</name>
    <message>
        <source>The picture file is cut short or damaged: it does not hold all the pixels its header announces</source>
        <translation>Die Bilddatei ist abgeschnitten oder beschädigt: sie enthält nicht alle Pixel, die ihr Header ankündigt</translation>
    </message>
    <message>
        <source>No such file</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>It is a folder, not a picture</source>
        <translation>Das ist ein Ordner, kein Bild</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels, too large to load</source>
        <translation>Das Bild hat %1 × %2 Pixel, zu groß zum Laden</translation>
    </message>
    <message>
        <source>Not a picture that can be read (%1)</source>
        <translation>Kein lesbares Bild (%1)</translation>
    </message>
</context>
<context>
    <name>InfoCommand</name>
    <message>
        <source>  camera start: x %1, y %2</source>
        <translation>  Kamerastart: x %1, y %2</translation>
    </message>
</context>
<context>
    <name>IpsPatch</name>
    <message>
        <source>IPS reaches offsets below 16 MiB only; the modified file is %1 bytes</source>
        <translation>IPS erreicht nur Offsets unter 16 MiB; die geänderte Datei hat %1 Bytes</translation>
    </message>
    <message>
        <source>no &quot;PATCH&quot; at the start</source>
        <translation>kein „PATCH“ am Anfang</translation>
    </message>
    <message>
        <source>it ends inside %1 at byte %2, with no &quot;EOF&quot;</source>
        <translation>er endet mitten in %1 bei Byte %2, ohne „EOF“</translation>
    </message>
    <message>
        <source>a record&apos;s offset</source>
        <translation>dem Offset eines Eintrags</translation>
    </message>
    <message>
        <source>a record&apos;s length</source>
        <translation>der Länge eines Eintrags</translation>
    </message>
    <message>
        <source>a run record</source>
        <translation>einem RLE-Eintrag</translation>
    </message>
    <message>
        <source>a record&apos;s bytes</source>
        <translation>den Bytes eines Eintrags</translation>
    </message>
    <message>
        <source>the record at byte %1 writes up to offset %2, past the 16 MiB a ROM image may have</source>
        <translation>der Eintrag bei Byte %1 schreibt bis Offset %2, über die 16 MiB hinaus, die ein ROM-Abbild haben darf</translation>
    </message>
    <message>
        <source>the size after &quot;EOF&quot; (%1) is larger than the patched file (%2)</source>
        <translation>die Größe nach „EOF“ (%1) ist größer als die gepatchte Datei (%2)</translation>
    </message>
    <message>
        <source>%1 bytes follow &quot;EOF&quot;</source>
        <translation>%1 Bytes folgen auf „EOF“</translation>
    </message>
</context>
<context>
    <name>LevelTileSheet</name>
    <message>
        <source>Import Tile Sheet</source>
        <translation>Tile-Tabelle importieren</translation>
    </message>
</context>
<context>
    <name>LevelTool</name>
    <message>
        <source>Brush</source>
        <translation>Pinsel</translation>
    </message>
    <message>
        <source>Bucket Fill</source>
        <translation>Füllen</translation>
    </message>
    <message>
        <source>Rectangle Select</source>
        <translation>Rechteckauswahl</translation>
    </message>
    <message>
        <source>Shape Fill</source>
        <translation>Form füllen</translation>
    </message>
</context>
<context>
    <name>MapSaver</name>
    <message>
        <source>1 byte</source>
        <translation>1 Byte</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>The map is %1 too big for its slot. Simplify it by %1 (fewer changes of block along its rows), or repack its region: the maps stored next to it have enough room to spare, and some of them will move.</source>
        <translation>Die Map ist %1 zu groß für ihren Platz. Vereinfachen Sie sie um %1 (weniger Blockwechsel entlang ihrer Zeilen), oder packen Sie ihren Bereich neu: die daneben gespeicherten Maps haben genug Platz übrig, und einige von ihnen werden verschoben.</translation>
    </message>
    <message>
        <source>The map is %1 too big for its slot, and the maps stored next to it do not have that much room to spare. Simplify it by %1 (fewer changes of block along its rows), or simplify another map of its region and repack.</source>
        <translation>Die Map ist %1 zu groß für ihren Platz, und die daneben gespeicherten Maps haben nicht so viel Platz übrig. Vereinfachen Sie sie um %1 (weniger Blockwechsel entlang ihrer Zeilen), oder vereinfachen Sie eine andere Map ihres Bereichs und packen Sie neu.</translation>
    </message>
</context>
<context>
    <name>MapSpace</name>
    <message>
        <source>its table entry %1 (at %2) holds %3, outside the bank&apos;s window 0x4000-0x7FFF</source>
        <translation>ihr Tabelleneintrag %1 (bei %2) enthält %3, außerhalb des Bankfensters 0x4000-0x7FFF</translation>
    </message>
    <message>
        <source>its bank %1 lies past the end of the file</source>
        <translation>ihre Bank %1 liegt hinter dem Ende der Datei</translation>
    </message>
    <message>
        <source>its data (from %1) runs past the end of bank %2</source>
        <translation>ihre Daten (ab %1) reichen über das Ende von Bank %2 hinaus</translation>
    </message>
</context>
<context>
    <name>ObjectCommands</name>
    <message>
        <source>To repack, run the same command with --repack.</source>
        <translation>Um neu zu packen, führen Sie denselben Befehl mit --repack aus.</translation>
    </message>
    <message>
        <source>Repacked the object lists at %1-%2; moved the lists of levels %3</source>
        <translation>Objektlisten bei %1-%2 neu gepackt; die Listen der Level %3 verschoben</translation>
    </message>
</context>
<context>
    <name>ObjectHints</name>
    <message>
        <source>%1 objects between x %2 and %3: at most 16 are alive at once, so some may not appear</source>
        <translation>%1 Objekte zwischen x %2 und %3: höchstens 16 sind gleichzeitig aktiv, daher erscheinen manche womöglich nicht</translation>
    </message>
    <message numerus="yes">
        <source>%n object(s) left of x %1 (the camera&apos;s start + 112) never appear when the level starts</source>
        <translation>
            <numerusform>%n Objekt links von x %1 (Kamerastart + 112) erscheint nie, wenn das Level beginnt</numerusform>
            <numerusform>%n Objekte links von x %1 (Kamerastart + 112) erscheinen nie, wenn das Level beginnt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ObjectList</name>
    <message>
        <source>object %1 (x %2, y %3, type 0x%4)</source>
        <translation>Objekt %1 (x %2, y %3, Typ 0x%4)</translation>
    </message>
    <message>
        <source>the object list at 0x%1 has no end (0xFF) before the end of bank %2</source>
        <translation>die Objektliste bei 0x%1 hat kein Ende (0xFF) vor dem Ende von Bank %2</translation>
    </message>
    <message>
        <source>the object lists of version %1 are not known</source>
        <translation>die Objektlisten von Version %1 sind nicht bekannt</translation>
    </message>
    <message>
        <source>level %1 has no object list: its pointer at 0x%2 is $%3, outside bank %4&apos;s $4000-$7FFF</source>
        <translation>Level %1 hat keine Objektliste: sein Zeiger bei 0x%2 ist $%3, außerhalb von $4000-$7FFF der Bank %4</translation>
    </message>
    <message>
        <source>%1 objects; a level holds at most %2</source>
        <translation>%1 Objekte; ein Level fasst höchstens %2</translation>
    </message>
    <message>
        <source> lies outside the level (x 0-%1, y 0-%2)</source>
        <translation> liegt außerhalb des Levels (x 0-%1, y 0-%2)</translation>
    </message>
    <message>
        <source> is not on the 8-pixel grid</source>
        <translation> liegt nicht auf dem 8-Pixel-Raster</translation>
    </message>
    <message>
        <source> has a type outside 0-127</source>
        <translation> hat einen Typ außerhalb von 0-127</translation>
    </message>
    <message>
        <source> cannot be stored: in the last screen (x from 3840) types 0x78-0x7F would read as the end of the list</source>
        <translation> kann nicht gespeichert werden: im letzten Bildschirm (x ab 3840) würden die Typen 0x78-0x7F als Ende der Liste gelesen</translation>
    </message>
</context>
<context>
    <name>ObjectListJson</name>
    <message>
        <source>not JSON: %1</source>
        <translation>kein JSON: %1</translation>
    </message>
    <message>
        <source>no &quot;objects&quot; array</source>
        <translation>kein Array „objects“</translation>
    </message>
    <message>
        <source>object %1: &quot;%2&quot; is not a whole number</source>
        <translation>Objekt %1: „%2“ ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>object %1: &quot;hiddenInEasyMode&quot; is not true or false</source>
        <translation>Objekt %1: „hiddenInEasyMode“ ist weder true noch false</translation>
    </message>
</context>
<context>
    <name>ObjectListWriter</name>
    <message>
        <source>the list needs %1 bytes but its slot at %2 holds %3; repacking its region may make room</source>
        <translation>die Liste braucht %1 Bytes, aber ihr Platz bei %2 fasst %3; Neupacken ihres Bereichs kann Platz schaffen</translation>
    </message>
    <message>
        <source>level %1 in the region %2-%3 cannot be moved: %4</source>
        <translation>Level %1 im Bereich %2-%3 kann nicht verschoben werden: %4</translation>
    </message>
    <message>
        <source>the lists of the region %1-%2 need %3 bytes together; it holds %4</source>
        <translation>die Listen des Bereichs %1-%2 brauchen zusammen %3 Bytes; er fasst %4</translation>
    </message>
</context>
<context>
    <name>ObjectNames</name>
    <message>
        <source>not a names file: %1</source>
        <translation>keine Namensdatei: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an object</source>
        <translation>„%1“ ist kein JSON-Objekt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; is not a type 00-7F with a name</source>
        <translation>„%1“ in „%2“ ist kein Typ 00-7F mit einem Namen</translation>
    </message>
</context>
<context>
    <name>ObjectSpace</name>
    <message>
        <source>the object lists of version %1 are not known</source>
        <translation>die Objektlisten von Version %1 sind nicht bekannt</translation>
    </message>
    <message>
        <source>its list at %1 lies over the pointer table</source>
        <translation>seine Liste bei %1 liegt über der Zeigertabelle</translation>
    </message>
    <message>
        <source>its list at %1 runs into the list at %2</source>
        <translation>seine Liste bei %1 reicht in die Liste bei %2</translation>
    </message>
</context>
<context>
    <name>ObjectSpaceText</name>
    <message>
        <source>Object lists: %1
</source>
        <translation>Objektlisten: %1
</translation>
    </message>
    <message>
        <source>Object lists (bank %1): table at %2, %3 lists
</source>
        <translation>Objektlisten (Bank %1): Tabelle bei %2, %3 Listen
</translation>
    </message>
    <message>
        <source>  region %1-%2: %3 bytes, spare %4
</source>
        <translation>  Bereich %1-%2: %3 Bytes, frei %4
</translation>
    </message>
    <message>
        <source>    %1  slot %2  uses %3  %4 objects  levels %5%6
</source>
        <translation>    %1  Platz %2  belegt %3  %4 Objekte  Level %5%6
</translation>
    </message>
    <message>
        <source> (shared)</source>
        <translation> (geteilt)</translation>
    </message>
    <message>
        <source>  level %1: %2
</source>
        <translation>  Level %1: %2
</translation>
    </message>
</context>
<context>
    <name>ObjectTool</name>
    <message>
        <source>Objects</source>
        <translation>Objekte</translation>
    </message>
</context>
<context>
    <name>Patch</name>
    <message>
        <source>it starts with neither &quot;BPS1&quot; nor &quot;PATCH&quot;</source>
        <translation>er beginnt weder mit „BPS1“ noch mit „PATCH“</translation>
    </message>
</context>
<context>
    <name>PatchError</name>
    <message>
        <source>not a BPS or IPS patch</source>
        <translation>kein BPS- oder IPS-Patch</translation>
    </message>
    <message>
        <source>the patch is cut short</source>
        <translation>der Patch ist abgeschnitten</translation>
    </message>
    <message>
        <source>the patch has a record past the end</source>
        <translation>der Patch hat einen Eintrag hinter dem Ende</translation>
    </message>
    <message>
        <source>the patch was made for another file</source>
        <translation>der Patch ist für eine andere Datei gemacht</translation>
    </message>
    <message>
        <source>the patched file&apos;s CRC32 is not the one in the patch</source>
        <translation>die CRC32 der gepatchten Datei ist nicht die im Patch</translation>
    </message>
    <message>
        <source>the patch is damaged (its CRC32 does not match)</source>
        <translation>der Patch ist beschädigt (seine CRC32 stimmt nicht)</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>die Datei ist zu groß</translation>
    </message>
    <message>
        <source>the patch is malformed</source>
        <translation>der Patch ist fehlerhaft</translation>
    </message>
</context>
<context>
    <name>RegionRepack</name>
    <message>
        <source>map %1 (%2)</source>
        <translation>Map %1 (%2)</translation>
    </message>
    <message>
        <source>%1 of bank %2 cannot be decoded: %3</source>
        <translation>%1 von Bank %2 kann nicht dekodiert werden: %3</translation>
    </message>
    <message>
        <source>table entry %1 of bank %2 points to %3, inside the region %4 but not at the start of a map: moving the maps would break it</source>
        <translation>Tabelleneintrag %1 von Bank %2 zeigt auf %3, in den Bereich %4, aber nicht auf den Anfang einer Map: das Verschieben der Maps würde ihn ungültig machen</translation>
    </message>
    <message>
        <source>the data of %1 overlaps the region %2</source>
        <translation>die Daten von %1 überlappen den Bereich %2</translation>
    </message>
    <message>
        <source>the cartridge header (0x134-0x14F) lies in the region %1, and a save never changes the header</source>
        <translation>der Modul-Header (0x134-0x14F) liegt im Bereich %1, und Speichern ändert den Header nie</translation>
    </message>
    <message>
        <source>the map headers or their table (at %1) lie in the region %2; moving maps over them would break them</source>
        <translation>die Mapheader oder ihre Tabelle (bei %1) liegen im Bereich %2; Maps darüber zu verschieben würde sie zerstören</translation>
    </message>
    <message>
        <source>the map table of bank %1 overlaps the region %2</source>
        <translation>die Map-Tabelle von Bank %1 überlappt den Bereich %2</translation>
    </message>
    <message>
        <source>bank %1 has no map region %2</source>
        <translation>Bank %1 hat keinen Map-Bereich %2</translation>
    </message>
    <message>
        <source>%1 is not stored in the region %2</source>
        <translation>%1 ist nicht im Bereich %2 gespeichert</translation>
    </message>
    <message>
        <source>the maps of the region %1 need %2 bytes, %3 more than its %4 bytes: simplify one of them</source>
        <translation>die Maps des Bereichs %1 brauchen %2 Bytes, %3 mehr als seine %4 Bytes: vereinfachen Sie eine davon</translation>
    </message>
    <message>
        <source>%1 cannot be decoded: %2</source>
        <translation>%1 kann nicht dekodiert werden: %2</translation>
    </message>
</context>
<context>
    <name>RomAccessError</name>
    <message>
        <source>Error reading the file.</source>
        <translation>Fehler beim Lesen der Datei.</translation>
    </message>
    <message>
        <source>The save would write offset 0x%1, inside the cartridge header (0x134-0x14F); a save never changes the header, so nothing was saved.</source>
        <translation>Das Speichern würde Offset 0x%1 schreiben, im Modul-Header (0x134-0x14F); Speichern ändert den Header nie, daher wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Error while writing the file.</source>
        <translation>Fehler beim Schreiben der Datei.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>RomFile</name>
    <message>
        <source>No file name given</source>
        <translation>Kein Dateiname angegeben</translation>
    </message>
    <message>
        <source>No such file</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>It is a folder, not a ROM image</source>
        <translation>Das ist ein Ordner, kein ROM-Abbild</translation>
    </message>
    <message>
        <source>The file is %1 bytes long; a Game Boy ROM image is at most 8 MiB, and files over 16 MiB are not loaded</source>
        <translation>Die Datei ist %1 Bytes lang; ein Game-Boy-ROM-Abbild hat höchstens 8 MiB, und Dateien über 16 MiB werden nicht geladen</translation>
    </message>
    <message>
        <source>The file is larger than 16 MiB and is not loaded</source>
        <translation>Die Datei ist größer als 16 MiB und wird nicht geladen</translation>
    </message>
</context>
<context>
    <name>RomFileError</name>
    <message>
        <source>Could not open &quot;%1&quot;: %2</source>
        <translation>„%1“ konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Could not read &quot;%1&quot;: %2</source>
        <translation>„%1“ konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Could not save &quot;%1&quot;: %2</source>
        <translation>„%1“ konnte nicht gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>ScreenArrays</name>
    <message>
        <source>The %1 base of bank %2 (word at %3) is $%4: the arrays of index %5 do not lie inside the bank, so there is nothing to read</source>
        <translation>Die Basis der %1 von Bank %2 (Wort bei %3) ist $%4: die Arrays von Index %5 liegen nicht in der Bank, es gibt also nichts zu lesen</translation>
    </message>
    <message>
        <source>scroll-box</source>
        <translation>Scroll-Boxen</translation>
    </message>
    <message>
        <source>exit</source>
        <translation>Ausgänge</translation>
    </message>
</context>
<context>
    <name>ScreenCommands</name>
    <message>
        <source>none (only levels 0-30 have one)</source>
        <translation>keiner (nur Level 0-30 haben einen)</translation>
    </message>
    <message>
        <source>player x %1, y %2; camera x %3, y %4 (at %5)</source>
        <translation>Spieler x %1, y %2; Kamera x %3, y %4 (bei %5)</translation>
    </message>
    <message>
        <source>exit scripts:</source>
        <translation>Ausgangsskripte:</translation>
    </message>
    <message>
        <source>%1 %2: bank %3, index %4; scroll boxes at %5, exits at %6</source>
        <translation>%1 %2: Bank %3, Index %4; Scroll-Boxen bei %5, Ausgänge bei %6</translation>
    </message>
    <message>
        <source>camera start: x %1, y %2</source>
        <translation>Kamerastart: x %1, y %2</translation>
    </message>
    <message>
        <source>checkpoint: %1</source>
        <translation>Checkpoint: %1</translation>
    </message>
    <message>
        <source>scroll boxes (bit 0 right, 1 left, 2 top, 3 bottom) and exits, by screen row:</source>
        <translation>Scroll-Boxen (Bit 0 rechts, 1 links, 2 oben, 3 unten) und Ausgänge, nach Bildschirmzeile:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a list of %2 numbers</source>
        <translation>„%1“ muss eine Liste aus %2 Zahlen sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds %2: each must be a whole number 0-%3</source>
        <translation>„%1“ enthält %2: jede muss eine ganze Zahl 0-%3 sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be an object with &quot;x&quot; and &quot;y&quot;</source>
        <translation>„%1“ muss ein Objekt mit „x“ und „y“ sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs &quot;%2&quot; as a whole number 0-65535</source>
        <translation>„%1“ braucht „%2“ als ganze Zahl 0-65535</translation>
    </message>
    <message>
        <source>%1 is no JSON object: %2</source>
        <translation>%1 ist kein JSON-Objekt: %2</translation>
    </message>
    <message>
        <source>Level %1 has no checkpoint entry</source>
        <translation>Level %1 hat keinen Checkpoint-Eintrag</translation>
    </message>
</context>
<context>
    <name>ScreenFacts</name>
    <message>
        <source>The exit scripts of cartridge version %1 are not known.</source>
        <translation>Die Ausgangsskripte der Modulversion %1 sind nicht bekannt.</translation>
    </message>
    <message>
        <source>The checkpoints of cartridge version %1 are not known.</source>
        <translation>Die Checkpoints der Modulversion %1 sind nicht bekannt.</translation>
    </message>
</context>
<context>
    <name>Stamp</name>
    <message>
        <source>The clipboard holds no block numbers.</source>
        <translation>Die Zwischenablage enthält keine Blocknummern.</translation>
    </message>
    <message>
        <source>The grid has %1 rows; a level has %2.</source>
        <translation>Das Raster hat %1 Zeilen; ein Level hat %2.</translation>
    </message>
    <message>
        <source>Row %1 has %2 cells; a level is %3 wide.</source>
        <translation>Zeile %1 hat %2 Zellen; ein Level ist %3 breit.</translation>
    </message>
    <message>
        <source>Row %1, cell %2: &quot;%3&quot; is not a block number (two hex digits, 00 to 7F).</source>
        <translation>Zeile %1, Zelle %2: „%3“ ist keine Blocknummer (zwei Hex-Ziffern, 00 bis 7F).</translation>
    </message>
</context>
<context>
    <name>TileSetCommands</name>
    <message>
        <source>%1 is refused: %2</source>
        <translation>%1 wird abgelehnt: %2</translation>
    </message>
    <message>
        <source>No tile differs; nothing written.</source>
        <translation>Kein Tile unterscheidet sich; nichts geschrieben.</translation>
    </message>
    <message>
        <source>Changed %1 tile(s): %2</source>
        <translation>%1 Tile(s) geändert: %2</translation>
    </message>
    <message>
        <source>Group %1 at 0x%2</source>
        <translation>Gruppe %1 bei 0x%2</translation>
    </message>
    <message>
        <source>%1: used by no other level</source>
        <translation>%1: von keinem anderen Level verwendet</translation>
    </message>
    <message>
        <source>%1: also used by %2</source>
        <translation>%1: auch von %2 verwendet</translation>
    </message>
</context>
<context>
    <name>TileSheetPng</name>
    <message numerus="yes">
        <source>%n pixel(s) of the picture are none of the four greys (white, light grey, dark grey, black); the first is at (%1, %2).</source>
        <translation>
            <numerusform>%n Pixel des Bildes ist keiner der vier Grautöne (Weiß, Hellgrau, Dunkelgrau, Schwarz); es liegt bei (%1, %2).</numerusform>
            <numerusform>%n Pixel des Bildes sind keiner der vier Grautöne (Weiß, Hellgrau, Dunkelgrau, Schwarz); das erste liegt bei (%1, %2).</numerusform>
        </translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels; a tile sheet is 128 × 128.</source>
        <translation>Das Bild hat %1 × %2 Pixel; eine Tile-Tabelle hat 128 × 128.</translation>
    </message>
</context>
<context>
    <name>TiledCommands</name>
    <message>
        <source>zantor-tool export-tmx: no object group: %1</source>
        <translation>zantor-tool export-tmx: keine Objektgruppe: %1</translation>
    </message>
    <message>
        <source>zantor-tool import-tmx: the objects: %1</source>
        <translation>zantor-tool import-tmx: die Objekte: %1</translation>
    </message>
    <message>
        <source>To repack, run the same command with --repack.</source>
        <translation>Um neu zu packen, führen Sie denselben Befehl mit --repack aus.</translation>
    </message>
    <message>
        <source>%1 objects written</source>
        <translation>%1 Objekte geschrieben</translation>
    </message>
</context>
<context>
    <name>TiledReader</name>
    <message>
        <source>object %1 has no &quot;type&quot; property (0-127)</source>
        <translation>Objekt %1 hat keine Eigenschaft „type“ (0-127)</translation>
    </message>
    <message>
        <source>object %1 has type %2; types are 0-127</source>
        <translation>Objekt %1 hat den Typ %2; Typen sind 0-127</translation>
    </message>
    <message>
        <source>object %1 has no position</source>
        <translation>Objekt %1 hat keine Position</translation>
    </message>
    <message>
        <source>not a TMX map</source>
        <translation>keine TMX-Map</translation>
    </message>
    <message>
        <source>not a well-formed TMX map (line %1: %2)</source>
        <translation>keine wohlgeformte TMX-Map (Zeile %1: %2)</translation>
    </message>
    <message>
        <source>not well-formed JSON (at byte %1: %2)</source>
        <translation>kein wohlgeformtes JSON (bei Byte %1: %2)</translation>
    </message>
    <message>
        <source>not a Tiled JSON map</source>
        <translation>keine Tiled-JSON-Map</translation>
    </message>
    <message>
        <source>an infinite map; a level has a fixed size</source>
        <translation>eine unendliche Map; ein Level hat eine feste Größe</translation>
    </message>
    <message>
        <source>CSV with compression &quot;%1&quot; is not a Tiled encoding</source>
        <translation>CSV mit Kompression „%1“ ist keine Tiled-Kodierung</translation>
    </message>
    <message>
        <source>the layer&apos;s base64 data is damaged</source>
        <translation>die base64-Daten der Ebene sind beschädigt</translation>
    </message>
    <message>
        <source>unknown compression &quot;%1&quot;; zlib and gzip are read</source>
        <translation>unbekannte Kompression „%1“; gelesen werden zlib und gzip</translation>
    </message>
    <message>
        <source>the layer&apos;s %1 data is damaged or too long</source>
        <translation>die %1-Daten der Ebene sind beschädigt oder zu lang</translation>
    </message>
    <message>
        <source>the layer&apos;s data is not whole tile ids</source>
        <translation>die Daten der Ebene sind keine ganzen Tile-IDs</translation>
    </message>
    <message>
        <source>unknown layer encoding &quot;%1&quot;; CSV and base64 are read</source>
        <translation>unbekannte Kodierung der Ebene „%1“; gelesen werden CSV und base64</translation>
    </message>
    <message>
        <source>the layer holds %1 cells; a level has %2</source>
        <translation>die Ebene enthält %1 Zellen; ein Level hat %2</translation>
    </message>
    <message>
        <source>cell (%1, %2) holds no tile id</source>
        <translation>Zelle (%1, %2) enthält keine Tile-ID</translation>
    </message>
    <message>
        <source>a map of orientation &quot;%1&quot;; a level is orthogonal</source>
        <translation>eine Map mit Ausrichtung „%1“; ein Level ist orthogonal</translation>
    </message>
    <message>
        <source>a map of %1 × %2 cells of %3 × %4 pixels; a level is %5 × %6 cells of %7 × %7</source>
        <translation>eine Map aus %1 × %2 Zellen zu %3 × %4 Pixeln; ein Level hat %5 × %6 Zellen zu %7 × %7</translation>
    </message>
    <message>
        <source>the map has no tile layer</source>
        <translation>die Map hat keine Tile-Ebene</translation>
    </message>
    <message>
        <source>the map has %1 tile layers and none is named &quot;map&quot;</source>
        <translation>die Map hat %1 Tile-Ebenen, und keine heißt „map“</translation>
    </message>
    <message>
        <source>the layer &quot;%1&quot; is %2 × %3 cells; a level is %4 × %5</source>
        <translation>die Ebene „%1“ hat %2 × %3 Zellen; ein Level hat %4 × %5</translation>
    </message>
    <message>
        <source>the map has no tileset for the blocks</source>
        <translation>die Map hat kein Tileset für die Blöcke</translation>
    </message>
    <message>
        <source>cell (%1, %2) is empty; every cell of a level holds a block</source>
        <translation>Zelle (%1, %2) ist leer; jede Zelle eines Levels enthält einen Block</translation>
    </message>
    <message>
        <source>cell (%1, %2) holds a flipped or rotated tile; blocks cannot be turned</source>
        <translation>Zelle (%1, %2) enthält ein gespiegeltes oder gedrehtes Tile; Blöcke können nicht gedreht werden</translation>
    </message>
    <message>
        <source>cell (%1, %2) holds tile id %3, outside the blocks&apos; ids %4-%5</source>
        <translation>Zelle (%1, %2) enthält die Tile-ID %3, außerhalb der Block-IDs %4-%5</translation>
    </message>
    <message>
        <source>neither a TMX nor a Tiled JSON map</source>
        <translation>weder eine TMX- noch eine Tiled-JSON-Map</translation>
    </message>
    <message>
        <source>%1: larger than any map of a level</source>
        <translation>%1: größer als jede Map eines Levels</translation>
    </message>
</context>
<context>
    <name>TiledTransfer</name>
    <message>
        <source>Export to &amp;Tiled…</source>
        <translation>Nach &amp;Tiled exportieren…</translation>
    </message>
    <message>
        <source>&amp;Import from Tiled…</source>
        <translation>Aus Tiled &amp;importieren…</translation>
    </message>
    <message>
        <source>Export to Tiled</source>
        <translation>Nach Tiled exportieren</translation>
    </message>
    <message>
        <source>Tiled maps (*.tmx)|*.tmx</source>
        <translation>Tiled-Maps (*.tmx)|*.tmx</translation>
    </message>
    <message>
        <source>Exported to %1 and %2</source>
        <translation>Nach %1 und %2 exportiert</translation>
    </message>
    <message>
        <source>Import from Tiled</source>
        <translation>Aus Tiled importieren</translation>
    </message>
    <message>
        <source>Tiled maps (*.tmx *.json)|*.tmx;*.json|All Files(*.*)|*.*</source>
        <translation>Tiled-Maps (*.tmx *.json)|*.tmx;*.json|Alle Dateien(*.*)|*.*</translation>
    </message>
    <message>
        <source>Imported %1: %2 cells changed</source>
        <translation>%1 importiert: %2 Zellen geändert</translation>
    </message>
    <message>
        <source>%1 objects</source>
        <translation>%1 Objekte</translation>
    </message>
    <message>
        <source>the objects were not imported: this cartridge&apos;s object lists are not known</source>
        <translation>die Objekte wurden nicht importiert: die Objektlisten dieses Moduls sind nicht bekannt</translation>
    </message>
</context>
<context>
    <name>zantor</name>
    <message>
        <source>--screenshot needs a file name</source>
        <translation>--screenshot braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>give at most one ROM</source>
        <translation>geben Sie höchstens ein ROM an</translation>
    </message>
    <message>
        <source>--demo opens the sample cartridge; give no ROM with it</source>
        <translation>--demo öffnet das Beispielmodul; geben Sie kein ROM dazu an</translation>
    </message>
    <message>
        <source>Usage: zantor [ROM]
       zantor --demo
A map editor for Super Mario Land 2 ROM images (.gb, .gbc).

  ROM             open this ROM image at start
  --demo          write the built-in sample cartridge to a new temporary folder
                  and open it
  --screenshot F  render the main window to the PNG file F and quit
  --version       print the version
  --help          print this help
</source>
        <translation>Aufruf: zantor [ROM]
        zantor --demo
Ein Map-Editor für Super-Mario-Land-2-ROM-Abbilder (.gb, .gbc).

  ROM             dieses ROM-Abbild beim Start öffnen
  --demo          das eingebaute Beispielmodul in einen neuen temporären Ordner
                  schreiben und öffnen
  --screenshot F  das Hauptfenster in die PNG-Datei F zeichnen und beenden
  --version       die Version ausgeben
  --help          diese Hilfe ausgeben
</translation>
    </message>
    <message>
        <source>zantor: cannot write %s: %s
</source>
        <translation>zantor: %s kann nicht geschrieben werden: %s
</translation>
    </message>
    <message>
        <source>Sample cartridge: %s
</source>
        <translation>Beispielmodul: %s
</translation>
    </message>
    <message>
        <source>zantor: cannot write %s
</source>
        <translation>zantor: %s kann nicht geschrieben werden
</translation>
    </message>
</context>
<context>
    <name>zantor-tool</name>
    <message>
        <source>(entry 0)</source>
        <translation>(Eintrag 0)</translation>
    </message>
    <message>
        <source>%1 checksum (0x%2): %3, %4</source>
        <translation>Prüfsumme %1 (0x%2): %3, %4</translation>
    </message>
    <message>
        <source>holds</source>
        <translation>stimmt</translation>
    </message>
    <message>
        <source>does not hold (the bytes give 0x%1)</source>
        <translation>stimmt nicht (die Bytes ergeben 0x%1)</translation>
    </message>
    <message>
        <source>%s: %lld bytes, version byte %d
</source>
        <translation>%s: %lld Bytes, Versionsbyte %d
</translation>
    </message>
    <message>
        <source>no cartridge header: the file is shorter than 0x150 bytes
</source>
        <translation>kein Modul-Header: die Datei ist kürzer als 0x150 Bytes
</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes; a block map is %3 bytes</source>
        <translation>%1 enthält %2 Bytes; eine Blockmap hat %3 Bytes</translation>
    </message>
    <message>
        <source>To repack, run the same command with --repack.</source>
        <translation>Um neu zu packen, führen Sie denselben Befehl mit --repack aus.</translation>
    </message>
    <message>
        <source>Repacking cannot help: </source>
        <translation>Neupacken kann nicht helfen: </translation>
    </message>
    <message>
        <source>Writes the decoded block map of MAP: 12288 bytes, 48 rows of 256 block numbers.</source>
        <translation>Schreibt die dekodierte Blockmap von MAP: 12288 Bytes, 48 Zeilen zu je 256 Blocknummern.</translation>
    </message>
    <message>
        <source>Compresses a block map of 12288 bytes and writes it over MAP&apos;s data, in place,
lengthened to fill the map&apos;s slot (the bytes its stored form took), so the slot
stays the map&apos;s. Like &quot;Save map&quot;, it refuses (exit 1, the ROM left as it was)
when the encoding is longer than the slot, and says by how much. --repack then
repacks the map&apos;s region when the other maps there leave enough room.</source>
        <translation>Komprimiert eine Blockmap von 12288 Bytes und schreibt sie an Ort und Stelle über
die Daten von MAP, verlängert auf den Platz der Map (die Bytes ihrer gespeicherten
Form), sodass der Platz der Map erhalten bleibt. Wie „Map speichern“ lehnt es ab (Exit 1,
das ROM bleibt unverändert), wenn die Kodierung länger als der Platz ist, und nennt den
Überhang. --repack packt dann den Bereich der Map neu, wenn die anderen Maps genug Platz lassen.</translation>
    </message>
    <message>
        <source>%d %s: %d objects at 0x%s (%d bytes)
</source>
        <translation>%d %s: %d Objekte bei 0x%s (%d Bytes)
</translation>
    </message>
    <message>
        <source>  x %4d  y %3d  type %s%s
</source>
        <translation>  x %4d  y %3d  Typ %s%s
</translation>
    </message>
    <message>
        <source>  hidden in Easy mode</source>
        <translation>  im Easy-Modus versteckt</translation>
    </message>
    <message>
        <source>Prints the level&apos;s object list (its enemies and items) in the stored order: each
object&apos;s position in level pixels, its type (0-127) and whether it is hidden in
Easy mode. --json prints {&quot;level&quot;: N, &quot;objects&quot;: [{&quot;x&quot;, &quot;y&quot;, &quot;type&quot;,
&quot;hiddenInEasyMode&quot;}, ...]}. A level whose list pointer lies outside its bank fails
with a message naming the pointer.</source>
        <translation>Gibt die Objektliste des Levels (seine Gegner und Gegenstände) in gespeicherter
Reihenfolge aus: die Position jedes Objekts in Pixeln des Levels, seinen Typ (0-127) und ob
es im Easy-Modus versteckt ist. --json gibt {&quot;level&quot;: N, &quot;objects&quot;: [{&quot;x&quot;, &quot;y&quot;, &quot;type&quot;,
&quot;hiddenInEasyMode&quot;}, ...]} aus. Ein Level, dessen Listenzeiger außerhalb seiner Bank liegt,
schlägt mit einer Meldung fehl, die den Zeiger nennt.</translation>
    </message>
    <message>
        <source>larger than 32 MiB, which is no patch for a ROM image</source>
        <translation>größer als 32 MiB, also kein Patch für ein ROM-Abbild</translation>
    </message>
    <message>
        <source>%1 ends in neither .bps nor .ips</source>
        <translation>%1 endet weder auf .bps noch auf .ips</translation>
    </message>
    <message>
        <source>zantor-tool make-patch: %s: %s
</source>
        <translation>zantor-tool make-patch: %s: %s
</translation>
    </message>
    <message>
        <source>%1 does not fit %2</source>
        <translation>%1 passt nicht zu %2</translation>
    </message>
    <message>
        <source>zantor-tool apply-patch: %s: %s
</source>
        <translation>zantor-tool apply-patch: %s: %s
</translation>
    </message>
    <message>
        <source>Writes a patch that turns ORIGINAL into MODIFIED: BPS when OUT ends in .bps
(with the CRC32 of both files, so that it only applies to ORIGINAL), IPS when it
ends in .ips.</source>
        <translation>Schreibt einen Patch, der ORIGINAL in MODIFIED umwandelt: BPS, wenn OUT auf .bps endet
(mit der CRC32 beider Dateien, sodass er nur auf ORIGINAL passt), IPS, wenn es
auf .ips endet.</translation>
    </message>
    <message>
        <source>Applies a BPS or IPS patch (told by its first bytes) to ROM and writes the result
to OUT; ROM is not changed. A BPS made for another file, or a damaged patch, is
refused (exit 1) and nothing is written.</source>
        <translation>Wendet einen BPS- oder IPS-Patch (erkannt an seinen ersten Bytes) auf ROM an und
schreibt das Ergebnis nach OUT; ROM bleibt unverändert. Ein BPS für eine andere Datei
oder ein beschädigter Patch wird abgelehnt (Exit 1), und nichts wird geschrieben.</translation>
    </message>
    <message>
        <source>bank %1, region %2-%3: %4 bytes, the maps need %5
</source>
        <translation>Bank %1, Bereich %2-%3: %4 Bytes, die Maps brauchen %5
</translation>
    </message>
    <message>
        <source>  %1 -&gt; %2  slot %3 -&gt; %4  %5%6
</source>
        <translation>  %1 -&gt; %2  Platz %3 -&gt; %4  %5%6
</translation>
    </message>
    <message>
        <source>  (moves)</source>
        <translation>  (wird verschoben)</translation>
    </message>
    <message>
        <source>  %1 bytes at the region&apos;s end are longer than any map can fill; they are left as they are
</source>
        <translation>  %1 Bytes am Ende des Bereichs sind mehr, als eine Map füllen kann; sie bleiben, wie sie sind
</translation>
    </message>
    <message>
        <source>--version takes 0, 1 or 2, not &quot;%1&quot;</source>
        <translation>--version nimmt 0, 1 oder 2, nicht „%1“</translation>
    </message>
    <message>
        <source>Writes the built-in sample cartridge (512 KiB, made by Zantor itself) to OUT.gb.
--version sets the cartridge&apos;s version byte; the tables that depend on it move.</source>
        <translation>Schreibt das eingebaute Beispielmodul (512 KiB, von Zantor selbst erzeugt) nach OUT.gb.
--version setzt das Versionsbyte des Moduls; die davon abhängigen Tabellen verschieben sich.</translation>
    </message>
    <message>
        <source>Bank %s (file %s-%s): table at %s, %d entries
</source>
        <translation>Bank %s (Datei %s-%s): Tabelle bei %s, %d Einträge
</translation>
    </message>
    <message>
        <source>  gap %s-%s: %d bytes in no map&apos;s slot
</source>
        <translation>  Lücke %s-%s: %d Bytes in keinem Platz einer Map
</translation>
    </message>
    <message>
        <source>  region %s-%s: %d bytes, slack %d
</source>
        <translation>  Bereich %s-%s: %d Bytes, Reserve %d
</translation>
    </message>
    <message>
        <source>    %s %s  slot %5d  needs %5d  slack %5d  %s%s
</source>
        <translation>    %s %s  Platz %5d  braucht %5d  Reserve %5d  %s%s
</translation>
    </message>
    <message>
        <source> (shared)</source>
        <translation> (geteilt)</translation>
    </message>
    <message>
        <source>  tail %s-%s: %d bytes of %s, possibly unused (nothing writes there)
</source>
        <translation>  Ende %s-%s: %d Bytes mit %s, womöglich ungenutzt (nichts schreibt dorthin)
</translation>
    </message>
    <message>
        <source>  cannot decode map %s: %s
</source>
        <translation>  Map %s kann nicht dekodiert werden: %s
</translation>
    </message>
    <message>
        <source>%s: %d map banks
</source>
        <translation>%s: %d Map-Banks
</translation>
    </message>
    <message>
        <source>no bank &quot;%1&quot;: give a number 0-255, e.g. 12 or 0x0C</source>
        <translation>keine Bank „%1“: geben Sie eine Zahl 0-255 an, z. B. 12 oder 0x0C</translation>
    </message>
    <message>
        <source>zantor-tool repack: %s: no map header names bank %s
</source>
        <translation>zantor-tool repack: %s: kein Mapheader nennt Bank %s
</translation>
    </message>
    <message>
        <source>zantor-tool repack: %s: %s
</source>
        <translation>zantor-tool repack: %s: %s
</translation>
    </message>
    <message>
        <source>Prints, for each map bank, its map regions (slots that follow one another with no
gap), each map&apos;s start, slot, the bytes its cells need and the slack, shared maps,
the gaps between regions and the run of 0x00 or 0xFF the bank ends in (possibly
unused: nothing writes there). --json prints the same as one JSON document.</source>
        <translation>Gibt für jede Map-Bank ihre Map-Bereiche aus (Plätze, die lückenlos aufeinander folgen),
Start und Platz jeder Map, die Bytes, die ihre Zellen brauchen, und die Reserve, geteilte
Maps, die Lücken zwischen den Bereichen und die Folge von 0x00 oder 0xFF am Ende der Bank
(womöglich ungenutzt: nichts schreibt dorthin). --json gibt dasselbe als ein JSON-Dokument aus.</translation>
    </message>
    <message>
        <source>Repacks every map region of BANK (12 or 0x0C): its maps in their shortest form,
back to back in their old order, the last one lengthened to the region&apos;s end, and
the moved maps&apos; table entries rewritten. Refused (exit 1, nothing written) when a
table entry points into a region but not at a map, or a map cannot be decoded.
--dry-run prints what would move and writes nothing.</source>
        <translation>Packt jeden Map-Bereich von BANK (12 oder 0x0C) neu: seine Maps in kürzester Form,
lückenlos in ihrer bisherigen Reihenfolge, die letzte bis zum Ende des Bereichs verlängert,
und die Tabelleneinträge der verschobenen Maps neu geschrieben. Abgelehnt (Exit 1, nichts
geschrieben), wenn ein Tabelleneintrag in einen Bereich, aber nicht auf eine Map zeigt
oder eine Map nicht dekodiert werden kann. --dry-run zeigt, was verschoben würde, und schreibt nichts.</translation>
    </message>
    <message>
        <source>Tiles saved successfully!
</source>
        <translation>Tiles erfolgreich gespeichert!
</translation>
    </message>
    <message>
        <source>No such file</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>It is a folder</source>
        <translation>Das ist ein Ordner</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes; a title map is %3 bytes, 20 × 18 sheet indices row by row</source>
        <translation>%1 enthält %2 Bytes; eine Titelmap hat %3 Bytes, 20 × 18 Tabellenindizes Zeile für Zeile</translation>
    </message>
    <message>
        <source>Draws the title screen (160 × 144) as a PNG.</source>
        <translation>Zeichnet das Titelbild (160 × 144) als PNG.</translation>
    </message>
    <message>
        <source>Writes the title screen&apos;s 256 tiles as a 128 × 128 Windows bitmap in four greys.</source>
        <translation>Schreibt die 256 Tiles des Titelbilds als 128 × 128 großes Windows-Bitmap in vier Grautönen.</translation>
    </message>
    <message>
        <source>Writes a picture (any format Qt reads) into the ROM as the title screen&apos;s tiles:
its top-left 128 × 128 pixels; other colours than the four greys, and what the
picture does not cover, become colour 0.</source>
        <translation>Schreibt ein Bild (jedes Format, das Qt liest) als Tiles des Titelbilds ins ROM:
seine oberen linken 128 × 128 Pixel; andere Farben als die vier Grautöne und was das
Bild nicht abdeckt, werden zu Farbe 0.</translation>
    </message>
    <message>
        <source>Writes the title screen&apos;s tile map: 360 sheet indices (ROM byte Xor 0x80), 18 rows
of 20.</source>
        <translation>Schreibt die Tile-Map des Titelbilds: 360 Tabellenindizes (ROM-Byte Xor 0x80), 18 Zeilen
zu je 20.</translation>
    </message>
    <message>
        <source>Writes a 360-byte title map (as title-map-export gives it) into the ROM; only those
360 bytes of the map change.</source>
        <translation>Schreibt eine 360-Byte-Titelmap (wie title-map-export sie liefert) ins ROM; nur diese
360 Bytes der Map ändern sich.</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>expected %1 arguments, got %2</source>
        <translation>%1 Argumente erwartet, %2 erhalten</translation>
    </message>
    <message>
        <source>no map &quot;%1&quot;: give an index 0-31 or an exact map name</source>
        <translation>keine Map „%1“: geben Sie eine Nummer 0-31 oder einen genauen Map-Namen an</translation>
    </message>
    <message>
        <source>Usage: zantor-tool COMMAND [ARGS...]
Reads and writes the maps and graphics of a Super Mario Land 2 ROM image.
MAP is a map index 0-31 or an exact map name (&quot;Tree Zone 1&quot;).

Commands:
</source>
        <translation>Aufruf: zantor-tool BEFEHL [ARGUMENTE...]
Liest und schreibt die Maps und Grafiken eines Super-Mario-Land-2-ROM-Abbilds.
MAP ist eine Map-Nummer 0-31 oder ein genauer Map-Name (&quot;Tree Zone 1&quot;).

Befehle:
</translation>
    </message>
    <message>
        <source>
`zantor-tool COMMAND --help` tells more about one command.
Exit status: 0 done, 1 the operation failed, 2 usage error.</source>
        <translation>
`zantor-tool BEFEHL --help` erklärt einen Befehl genauer.
Exit-Status: 0 erledigt, 1 die Operation schlug fehl, 2 falscher Aufruf.</translation>
    </message>
    <message>
        <source>Usage: zantor-tool %1 %2
%3</source>
        <translation>Aufruf: zantor-tool %1 %2
%3</translation>
    </message>
    <message>
        <source>zantor-tool: unknown command &quot;%1&quot;
</source>
        <translation>zantor-tool: unbekannter Befehl „%1“
</translation>
    </message>
    <message>
        <source>Prints the version byte and, for each of the 32 maps, its header (bytes and the
Header tab&apos;s texts), BlockDataOffset, MapDataOffset, the map&apos;s slot (the bytes its
stored form takes) and the bytes its cells need, the four tile sources and the
camera start, after
the header checksum (0x14D) and the global checksum (0x14E-0x14F), each with
whether it holds. --json prints the same as one JSON document.</source>
        <translation>Gibt das Versionsbyte und für jede der 32 Maps ihren Header (Bytes und die Texte des
Header-Tabs), BlockDataOffset, MapDataOffset, den Platz der Map (die Bytes ihrer
gespeicherten Form), die Bytes, die ihre Zellen brauchen, die vier Tile-Quellen und den
Kamerastart aus, nach
der Header-Prüfsumme (0x14D) und der globalen Prüfsumme (0x14E-0x14F), jeweils mit der
Angabe, ob sie stimmt. --json gibt dasselbe als ein JSON-Dokument aus.</translation>
    </message>
    <message>
        <source>zantor-tool %s: %s: %s
</source>
        <translation>zantor-tool %s: %s: %s
</translation>
    </message>
    <message>
        <source>Writes MAP&apos;s object list from JSON in the form `objects --json` prints, sorted by X
(objects of the same X keep their order) and ended with 0xFF. A shorter list keeps
its slot, the rest filled with 0xFF. Refused (exit 1, nothing written) for more than
84 objects, one outside the level or off the 8-pixel grid, type 0x78-0x7F in the
last screen, or a list longer than its slot; --repack then lays the lists of its
region back to back and rewrites the pointers of those that move.</source>
        <translation>Schreibt die Objektliste von MAP aus JSON in der Form, die `objects --json` ausgibt, nach X
sortiert (Objekte mit gleichem X behalten ihre Reihenfolge) und mit 0xFF abgeschlossen. Eine
kürzere Liste behält ihren Platz, der Rest wird mit 0xFF gefüllt. Abgelehnt (Exit 1, nichts
geschrieben) bei mehr als 84 Objekten, einem außerhalb des Levels oder neben dem 8-Pixel-Raster,
Typ 0x78-0x7F im letzten Bildschirm oder einer Liste länger als ihr Platz; --repack legt dann
die Listen ihres Bereichs lückenlos hintereinander und schreibt die Zeiger der verschobenen neu.</translation>
    </message>
    <message>
        <source>header</source>
        <translation>Header</translation>
    </message>
    <message>
        <source>global</source>
        <translation>global</translation>
    </message>
</context>
<context>
    <name>zantor::AboutBox</name>
    <message>
        <source>- The Qt Project (widgets and images)</source>
        <translation>- Das Qt-Projekt (Widgets und Bilder)</translation>
    </message>
    <message>
        <source>- Kitware (the CMake build)</source>
        <translation>- Kitware (der CMake-Build)</translation>
    </message>
    <message>
        <source>- The GCC team (the compiler)</source>
        <translation>- Das GCC-Team (der Compiler)</translation>
    </message>
    <message>
        <source>- Ninja (quick builds)</source>
        <translation>- Ninja (schnelle Builds)</translation>
    </message>
    <message>
        <source>- Our testers (bug reports and ideas)</source>
        <translation>- Unsere Tester (Fehlerberichte und Ideen)</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Zantor team</source>
        <translation>Zantor-Team</translation>
    </message>
    <message>
        <source>Game Boy map editor</source>
        <translation>Game-Boy-Karteneditor</translation>
    </message>
    <message>
        <source>THX to:</source>
        <translation>Danke an:</translation>
    </message>
</context>
<context>
    <name>zantor::BlockEditorPage</name>
    <message>
        <source>Zoom of the tile sheet and the block</source>
        <translation>Zoom der Tile-Tabelle und des Blocks</translation>
    </message>
    <message>
        <source>Save block</source>
        <translation>Block speichern</translation>
    </message>
    <message>
        <source>Edit Tileset</source>
        <translation>Tileset bearbeiten</translation>
    </message>
    <message>
        <source>Refresh displayed data</source>
        <translation>Angezeigte Daten aktualisieren</translation>
    </message>
    <message>
        <source>Current tile:</source>
        <translation>Aktuelles Tile:</translation>
    </message>
    <message>
        <source>Current block:</source>
        <translation>Aktueller Block:</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
</context>
<context>
    <name>zantor::EventsPage</name>
    <message>
        <source>Save Changes</source>
        <translation>Änderungen speichern</translation>
    </message>
    <message>
        <source>The level&apos;s 16 × 3 screens: red bars are edges the camera may not cross (click near an edge to toggle it, drag along a row to set them all), blue badges the screens&apos; exits, the blue frame the camera&apos;s start (drag its centre), orange the checkpoint&apos;s player and camera. Shaded: what the camera can never show.</source>
        <translation>Die 16 × 3 Bildschirme des Levels: rote Balken sind Kanten, die die Kamera nicht überschreiten darf (nahe einer Kante klicken schaltet sie um, entlang einer Zeile ziehen setzt alle), blaue Marken die Ausgänge der Bildschirme, der blaue Rahmen der Kamerastart (an seiner Mitte ziehen), Orange Spieler und Kamera des Checkpoints. Schattiert: was die Kamera nie zeigen kann.</translation>
    </message>
</context>
<context>
    <name>zantor::ExitsPanel</name>
    <message>
        <source>&lt;b&gt;Exits&lt;/b&gt;</source>
        <translation>&lt;b&gt;Ausgänge&lt;/b&gt;</translation>
    </message>
    <message>
        <source>The exit script run when the player walks through a closed edge of this screen; 0: none</source>
        <translation>Das Ausgangsskript, das läuft, wenn der Spieler durch eine geschlossene Kante dieses Bildschirms geht; 0: keines</translation>
    </message>
    <message>
        <source>The chosen script&apos;s bytes in hex; it keeps its length</source>
        <translation>Die Bytes des gewählten Skripts in Hex; es behält seine Länge</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Pick Warp Target</source>
        <translation>Warp-Ziel wählen</translation>
    </message>
    <message>
        <source>Then click the screen the chosen script&apos;s warp should lead to</source>
        <translation>Klicken Sie dann auf den Bildschirm, zu dem der Warp des gewählten Skripts führen soll</translation>
    </message>
    <message>
        <source>Screen: row %1, column %2</source>
        <translation>Bildschirm: Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>Click a screen to edit its exit</source>
        <translation>Bildschirm anklicken, um seinen Ausgang zu bearbeiten</translation>
    </message>
    <message>
        <source>Camera start: x %1, y %2.</source>
        <translation>Kamerastart: x %1, y %2.</translation>
    </message>
    <message>
        <source>Checkpoint: player x %1, y %2; camera x %3, y %4.</source>
        <translation>Checkpoint: Spieler x %1, y %2; Kamera x %3, y %4.</translation>
    </message>
    <message>
        <source>These screens are also those of %1.</source>
        <translation>Diese Bildschirme gehören auch zu %1.</translation>
    </message>
    <message>
        <source>Script %1 at %2: %3</source>
        <translation>Skript %1 bei %2: %3</translation>
    </message>
    <message>
        <source>Script %1: %2</source>
        <translation>Skript %1: %2</translation>
    </message>
    <message>
        <source>Run by %1</source>
        <translation>Ausgeführt von %1</translation>
    </message>
    <message>
        <source>(unsaved)</source>
        <translation>(nicht gespeichert)</translation>
    </message>
    <message>
        <source>Exit script %1 is run by %2. A change changes it for all of them. Change it?</source>
        <translation>Ausgangsskript %1 wird von %2 ausgeführt. Eine Änderung gilt für alle. Ändern?</translation>
    </message>
    <message>
        <source>Shared exit script</source>
        <translation>Geteiltes Ausgangsskript</translation>
    </message>
    <message>
        <source>Script %1 takes %2 bytes, written as hex (&quot;40 17 FF&quot;); it cannot grow or shrink in place.</source>
        <translation>Skript %1 umfasst %2 Bytes, als Hex geschrieben („40 17 FF“); es kann an seiner Stelle weder wachsen noch schrumpfen.</translation>
    </message>
    <message>
        <source>Script %1 has no warp to send elsewhere.</source>
        <translation>Skript %1 hat keinen Warp, der woandershin führen könnte.</translation>
    </message>
</context>
<context>
    <name>zantor::HeaderPage</name>
    <message>
        <source>The player&apos;s start, in level pixels (the level is %1 × %2)</source>
        <translation>Der Start des Spielers, in Pixeln des Levels (das Level ist %1 × %2)</translation>
    </message>
    <message>
        <source>The centre of the first screen shown, in level pixels: the screen reaches 80 pixels to either side and 72 up and down</source>
        <translation>Die Mitte des ersten gezeigten Bildschirms, in Pixeln des Levels: der Bildschirm reicht 80 Pixel zu jeder Seite und 72 nach oben und unten</translation>
    </message>
    <message>
        <source>Camera start x:</source>
        <translation>Kamerastart x:</translation>
    </message>
    <message>
        <source>Camera start y:</source>
        <translation>Kamerastart y:</translation>
    </message>
    <message>
        <source>Shown as read; the editor does not change this field.</source>
        <translation>Wie gelesen angezeigt; der Editor ändert dieses Feld nicht.</translation>
    </message>
    <message>
        <source>Offset of the Mapheader:</source>
        <translation>Offset des Mapheaders:</translation>
    </message>
    <message>
        <source>Block data offset:</source>
        <translation>Offset der Blockdaten:</translation>
    </message>
    <message>
        <source>Map bank:</source>
        <translation>Map-Bank:</translation>
    </message>
    <message>
        <source>Music:</source>
        <translation>Musik:</translation>
    </message>
    <message>
        <source>Background palette:</source>
        <translation>Hintergrundpalette:</translation>
    </message>
    <message>
        <source>Foreground palette 0:</source>
        <translation>Vordergrundpalette 0:</translation>
    </message>
    <message>
        <source>Foreground palette 1:</source>
        <translation>Vordergrundpalette 1:</translation>
    </message>
    <message>
        <source>Map number 2:</source>
        <translation>Mapnummer 2:</translation>
    </message>
    <message>
        <source>Time in seconds:</source>
        <translation>Zeit in Sekunden:</translation>
    </message>
    <message>
        <source>Start x:</source>
        <translation>Start x:</translation>
    </message>
    <message>
        <source>Start y:</source>
        <translation>Start y:</translation>
    </message>
    <message>
        <source>One byte in hex, 00 to FF</source>
        <translation>Ein Byte in Hex, 00 bis FF</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a byte: type 00 to FF</source>
        <translation>„%1“ ist kein Byte: geben Sie 00 bis FF ein</translation>
    </message>
</context>
<context>
    <name>zantor::LevelDocument</name>
    <message>
        <source>Paint</source>
        <translation>Malen</translation>
    </message>
    <message>
        <source>Replace Block %1 with %2</source>
        <translation>Block %1 durch %2 ersetzen</translation>
    </message>
    <message>
        <source>Edit Start Y</source>
        <translation>Start Y ändern</translation>
    </message>
    <message>
        <source>Edit Start X</source>
        <translation>Start X ändern</translation>
    </message>
    <message>
        <source>Edit Camera Y</source>
        <translation>Kamera Y ändern</translation>
    </message>
    <message>
        <source>Edit Camera X</source>
        <translation>Kamera X ändern</translation>
    </message>
    <message>
        <source>Edit Music</source>
        <translation>Musik ändern</translation>
    </message>
    <message>
        <source>Edit Background Palette</source>
        <translation>Hintergrundpalette ändern</translation>
    </message>
    <message>
        <source>Edit Foreground Palette 0</source>
        <translation>Vordergrundpalette 0 ändern</translation>
    </message>
    <message>
        <source>Edit Foreground Palette 1</source>
        <translation>Vordergrundpalette 1 ändern</translation>
    </message>
    <message>
        <source>Edit Time</source>
        <translation>Zeit ändern</translation>
    </message>
    <message>
        <source>Move Start</source>
        <translation>Start verschieben</translation>
    </message>
    <message>
        <source>Move Camera Start</source>
        <translation>Kamerastart verschieben</translation>
    </message>
    <message>
        <source>Fill %1</source>
        <translation>%1 füllen</translation>
    </message>
    <message>
        <source>Paste %1 × %2</source>
        <translation>%1 × %2 einfügen</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <translation>%1 ausschneiden</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 löschen</translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation>%1 verschieben</translation>
    </message>
    <message>
        <source>1 cell</source>
        <translation>1 Zelle</translation>
    </message>
    <message>
        <source>%1 cells</source>
        <translation>%1 Zellen</translation>
    </message>
</context>
<context>
    <name>zantor::LevelScreens</name>
    <message>
        <source>Level %1 has no checkpoint entry.</source>
        <translation>Level %1 hat keinen Checkpoint-Eintrag.</translation>
    </message>
    <message>
        <source>Close Screen Edge</source>
        <translation>Bildschirmkante schließen</translation>
    </message>
    <message>
        <source>Open Screen Edge</source>
        <translation>Bildschirmkante öffnen</translation>
    </message>
    <message>
        <source>Edit Screen Exit</source>
        <translation>Bildschirmausgang ändern</translation>
    </message>
    <message>
        <source>Move Checkpoint Start</source>
        <translation>Checkpoint-Start verschieben</translation>
    </message>
    <message>
        <source>Move Checkpoint Camera</source>
        <translation>Checkpoint-Kamera verschieben</translation>
    </message>
</context>
<context>
    <name>zantor::MainWindow</name>
    <message>
        <source>&amp;Map</source>
        <translation>&amp;Map</translation>
    </message>
    <message>
        <source>&amp;Events</source>
        <translation>&amp;Events</translation>
    </message>
    <message>
        <source>&amp;Block data and tileset</source>
        <translation>&amp;Blockdaten und Tileset</translation>
    </message>
    <message>
        <source>&amp;Header</source>
        <translation>&amp;Header</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open ROM...</source>
        <translation>ROM ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Refresh displayed data</source>
        <translation>Angezeigte Daten a&amp;ktualisieren</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>&amp;Block Grid</source>
        <translation>&amp;Blockraster</translation>
    </message>
    <message>
        <source>&amp;Screen Grid</source>
        <translation>Bild&amp;schirmraster</translation>
    </message>
    <message>
        <source>&amp;Highlight Every Use of the Chosen Block</source>
        <translation>Jede Verwendung des gewählten Blocks &amp;hervorheben</translation>
    </message>
    <message>
        <source>&amp;Compare with original…</source>
        <translation>Mit dem Original &amp;vergleichen…</translation>
    </message>
    <message>
        <source>E&amp;ditors</source>
        <translation>E&amp;ditoren</translation>
    </message>
    <message>
        <source>Not available yet</source>
        <translation>Noch nicht verfügbar</translation>
    </message>
    <message>
        <source>Overworld editor</source>
        <translation>Oberwelt-Editor</translation>
    </message>
    <message>
        <source>&amp;Titlescreen editor</source>
        <translation>&amp;Titelbild-Editor</translation>
    </message>
    <message>
        <source>Tileset editor</source>
        <translation>Tileset-Editor</translation>
    </message>
    <message>
        <source>Sprite editor</source>
        <translation>Sprite-Editor</translation>
    </message>
    <message>
        <source>Sound editor</source>
        <translation>Sound-Editor</translation>
    </message>
    <message>
        <source>Credits editor</source>
        <translation>Abspann-Editor</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Scrollspeed</source>
        <translation>&amp;Scrollgeschwindigkeit</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Zantor - %1 - Public Pre Alpha</source>
        <translation>Zantor - %1 - Public Pre Alpha</translation>
    </message>
    <message>
        <source>Map: %1 / %2 bytes</source>
        <translation>Map: %1 / %2 Bytes</translation>
    </message>
    <message>
        <source>Map: %1 / %1 bytes</source>
        <translation>Map: %1 / %1 Bytes</translation>
    </message>
    <message>
        <source> (%1 over)</source>
        <translation> (%1 zu viel)</translation>
    </message>
    <message>
        <source>Changed from the original: %1 cells, %2 blocks</source>
        <translation>Geändert gegenüber dem Original: %1 Zellen, %2 Blöcke</translation>
    </message>
    <message>
        <source>Block %1: %2 uses</source>
        <translation>Block %1: %2 Verwendungen</translation>
    </message>
    <message>
        <source>the changes to %1</source>
        <translation>die Änderungen an %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not look like a Super Mario Land 2 cartridge:
%2

Open it anyway?</source>
        <translation>„%1“ sieht nicht wie ein Super-Mario-Land-2-Modul aus:
%2

Trotzdem öffnen?</translation>
    </message>
    <message>
        <source>Open ROM</source>
        <translation>ROM öffnen</translation>
    </message>
    <message>
        <source>Saved %1: %2 bytes at 0x%3</source>
        <translation>%1 gespeichert: %2 Bytes bei 0x%3</translation>
    </message>
    <message>
        <source>No other map moves.</source>
        <translation>Keine andere Map wird verschoben.</translation>
    </message>
    <message>
        <source>These maps move: %1.</source>
        <translation>Diese Maps werden verschoben: %1.</translation>
    </message>
    <message>
        <source>

Repack the maps of its region now? %1 %2 then gets %3 bytes. Everything is saved in one go.</source>
        <translation>

Die Maps ihres Bereichs jetzt neu packen? %1 %2 bekommt dann %3 Bytes. Alles wird in einem Schritt gespeichert.</translation>
    </message>
    <message>
        <source>Repack</source>
        <translation>Neu packen</translation>
    </message>
    <message>
        <source>Nothing was saved: the map of %1 is %2 over its slot, and without the repack it cannot be written. Simplify the map, or save again and answer Yes to repack.</source>
        <translation>Nichts wurde gespeichert: die Map von %1 ist %2 größer als ihr Platz, und ohne Neupacken kann sie nicht geschrieben werden. Vereinfachen Sie die Map, oder speichern Sie erneut und antworten Sie mit Ja, um neu zu packen.</translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation>1 Byte</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source> (repacked)</source>
        <translation> (neu gepackt)</translation>
    </message>
    <message>
        <source>map %1 bytes at 0x%2</source>
        <translation>Map %1 Bytes bei 0x%2</translation>
    </message>
    <message>
        <source>%1 block(s)</source>
        <translation>%1 Block/Blöcke</translation>
    </message>
    <message>
        <source>header</source>
        <translation>Header</translation>
    </message>
    <message>
        <source>Nothing to save</source>
        <translation>Nichts zu speichern</translation>
    </message>
    <message>
        <source>Saved %1: %2</source>
        <translation>%1 gespeichert: %2</translation>
    </message>
    <message>
        <source>Saved block %1: 4 bytes at 0x%2</source>
        <translation>Block %1 gespeichert: 4 Bytes bei 0x%2</translation>
    </message>
    <message>
        <source>Saved the header of %1</source>
        <translation>Header von %1 gespeichert</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Export &amp;level as PNG…</source>
        <translation>&amp;Level als PNG exportieren…</translation>
    </message>
    <message>
        <source>Export level</source>
        <translation>Level exportieren</translation>
    </message>
    <message>
        <source>Export &amp;tile sheet…</source>
        <translation>&amp;Tile-Tabelle exportieren…</translation>
    </message>
    <message>
        <source>Export tile sheet</source>
        <translation>Tile-Tabelle exportieren</translation>
    </message>
    <message>
        <source>Export &amp;blocks…</source>
        <translation>Blöc&amp;ke exportieren…</translation>
    </message>
    <message>
        <source>Export blocks</source>
        <translation>Blöcke exportieren</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Werkzeuge</translation>
    </message>
    <message>
        <source>&amp;Run in emulator</source>
        <translation>Im &amp;Emulator starten</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>&amp;Einstellungen…</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)|*.png</source>
        <translation>PNG-Bilder (*.png)|*.png</translation>
    </message>
    <message>
        <source>Exported %1 × %2 pixels to %3</source>
        <translation>%1 × %2 Pixel nach %3 exportiert</translation>
    </message>
    <message>
        <source>The map does not fit its slot, so it cannot be tried out yet: simplify it until the meter fits.</source>
        <translation>Die Map passt nicht auf ihren Platz und kann daher noch nicht ausprobiert werden: vereinfachen Sie sie, bis die Anzeige passt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is Zantor&apos;s sample cartridge: it has levels to edit but no game to play, so an emulator cannot run it. Open a Super Mario Land 2 ROM to play-test.</source>
        <translation>„%1“ ist das Beispielmodul von Zantor: Es hat Level zum Bearbeiten, aber kein Spiel, daher kann ein Emulator es nicht ausführen. Öffnen Sie ein Super-Mario-Land-2-ROM, um zu testen.</translation>
    </message>
    <message>
        <source>Copies for the emulator, and their battery saves, are in %1</source>
        <translation>Die Kopien für den Emulator und ihre Spielstände liegen in %1</translation>
    </message>
    <message>
        <source>Started the emulator on a copy with your edits</source>
        <translation>Der Emulator läuft auf einer Kopie mit Ihren Änderungen</translation>
    </message>
    <message>
        <source>files over 16 MiB are not read</source>
        <translation>Dateien über 16 MiB werden nicht gelesen</translation>
    </message>
    <message>
        <source>The patch &quot;%1&quot; is made for another cartridge, not for &quot;%2&quot;: %3.</source>
        <translation>Der Patch „%1“ ist für ein anderes Modul gemacht, nicht für „%2“: %3.</translation>
    </message>
    <message>
        <source>The patch &quot;%1&quot; cannot be applied to &quot;%2&quot;: %3.</source>
        <translation>Der Patch „%1“ kann nicht auf „%2“ angewendet werden: %3.</translation>
    </message>
    <message>
        <source>Create &amp;patch…</source>
        <translation>&amp;Patch erstellen…</translation>
    </message>
    <message>
        <source>&amp;Apply patch…</source>
        <translation>Patch &amp;anwenden…</translation>
    </message>
    <message>
        <source>Restore &amp;backup…</source>
        <translation>&amp;Sicherung wiederherstellen…</translation>
    </message>
    <message>
        <source>The original cartridge</source>
        <translation>Das Originalmodul</translation>
    </message>
    <message>
        <source>Create patch</source>
        <translation>Patch erstellen</translation>
    </message>
    <message>
        <source>a patch file ends in .bps or .ips</source>
        <translation>eine Patch-Datei endet auf .bps oder .ips</translation>
    </message>
    <message>
        <source>Wrote the patch %1 (%2 bytes)</source>
        <translation>Patch %1 geschrieben (%2 Bytes)</translation>
    </message>
    <message>
        <source>Apply patch</source>
        <translation>Patch anwenden</translation>
    </message>
    <message>
        <source>Write the patched cartridge as</source>
        <translation>Das gepatchte Modul speichern unter</translation>
    </message>
    <message>
        <source>This replaces the open ROM &quot;%1&quot; with the patched one. Go on?</source>
        <translation>Das ersetzt das offene ROM „%1“ durch das gepatchte. Fortfahren?</translation>
    </message>
    <message>
        <source>Wrote &quot;%1&quot;. Open it now?</source>
        <translation>„%1“ geschrieben. Jetzt öffnen?</translation>
    </message>
    <message>
        <source>There are no backups of this ROM yet. Zantor makes one before the first save after opening.</source>
        <translation>Von diesem ROM gibt es noch keine Sicherungen. Zantor legt eine vor dem ersten Speichern nach dem Öffnen an.</translation>
    </message>
    <message>
        <source>Restore backup</source>
        <translation>Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>Put the ROM back as it was on:</source>
        <translation>Das ROM zurücksetzen auf den Stand vom:</translation>
    </message>
    <message>
        <source>Restored the ROM as it was on %1</source>
        <translation>ROM auf den Stand vom %1 zurückgesetzt</translation>
    </message>
    <message>
        <source>Compare with original</source>
        <translation>Mit dem Original vergleichen</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>&amp;Brush</source>
        <translation>&amp;Pinsel</translation>
    </message>
    <message>
        <source>&amp;Rectangle Select</source>
        <translation>&amp;Rechteckauswahl</translation>
    </message>
    <message>
        <source>Bucket &amp;Fill</source>
        <translation>&amp;Füllen</translation>
    </message>
    <message>
        <source>Sha&amp;pe Fill</source>
        <translation>F&amp;orm füllen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
    <message>
        <source>Select &amp;None</source>
        <translation>&amp;Nichts auswählen</translation>
    </message>
    <message>
        <source>Drop Stamp or Selection</source>
        <translation>Stempel oder Auswahl verwerfen</translation>
    </message>
    <message>
        <source>Flip Stamp &amp;Horizontally</source>
        <translation>Stempel &amp;waagrecht spiegeln</translation>
    </message>
    <message>
        <source>Flip Stamp &amp;Vertically</source>
        <translation>Stempel &amp;senkrecht spiegeln</translation>
    </message>
    <message>
        <source> (stamp %1 × %2)</source>
        <translation> (Stempel %1 × %2)</translation>
    </message>
    <message>
        <source>Selection: %1 × %2</source>
        <translation>Auswahl: %1 × %2</translation>
    </message>
    <message>
        <source>Selection: %1 cells</source>
        <translation>Auswahl: %1 Zellen</translation>
    </message>
    <message>
        <source>Nothing is selected: press R and drag over the cells to copy first.</source>
        <translation>Nichts ist ausgewählt: drücken Sie R und ziehen Sie zuerst über die Zellen, die Sie kopieren möchten.</translation>
    </message>
    <message>
        <source>%1 %2 × %3 cells</source>
        <translation>%1: %2 × %3 Zellen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausgeschnitten</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopiert</translation>
    </message>
    <message>
        <source>The clipboard cannot be pasted as blocks: %1

Copy cells, or a grid of two-digit hex block numbers separated by tabs, one line per row.</source>
        <translation>Die Zwischenablage kann nicht als Blöcke eingefügt werden: %1

Kopieren Sie Zellen oder ein Raster aus zweistelligen Hex-Blocknummern, getrennt durch Tabulatoren, eine Zeile pro Reihe.</translation>
    </message>
    <message>
        <source>Background block: %1</source>
        <translation>Hintergrundblock: %1</translation>
    </message>
    <message>
        <source>S&amp;creens</source>
        <translation>&amp;Bildschirme</translation>
    </message>
    <message>
        <source>screens</source>
        <translation>Bildschirme</translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation>&amp;Objekte</translation>
    </message>
    <message>
        <source>The object names cannot be read: %1</source>
        <translation>Die Objektnamen können nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Objekte</translation>
    </message>
    <message>
        <source>Object &amp;names…</source>
        <translation>Objekt&amp;namen…</translation>
    </message>
    <message>
        <source>The object names cannot be kept: %1</source>
        <translation>Die Objektnamen können nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>No object is selected: click one first.</source>
        <translation>Kein Objekt ist ausgewählt: klicken Sie zuerst eines an.</translation>
    </message>
    <message numerus="yes">
        <source>Cut %n object(s)</source>
        <translation>
            <numerusform>%n Objekt ausgeschnitten</numerusform>
            <numerusform>%n Objekte ausgeschnitten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %n object(s)</source>
        <translation>
            <numerusform>%n Objekt kopiert</numerusform>
            <numerusform>%n Objekte kopiert</numerusform>
        </translation>
    </message>
    <message>
        <source>The clipboard holds no objects: %1</source>
        <translation>Die Zwischenablage enthält keine Objekte: %1</translation>
    </message>
    <message>
        <source>The objects of %1 cannot be saved: %2</source>
        <translation>Die Objekte von %1 können nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The objects of %1 do not fit their room, and repacking cannot help: %2</source>
        <translation>Die Objekte von %1 passen nicht auf ihren Platz, und Neupacken kann nicht helfen: %2</translation>
    </message>
    <message>
        <source>The object list of %1 no longer fits its room. Repack the object lists around it (they move, their pointers are rewritten, their objects stay)?</source>
        <translation>Die Objektliste von %1 passt nicht mehr auf ihren Platz. Die Objektlisten um sie herum neu packen (sie werden verschoben, ihre Zeiger neu geschrieben, ihre Objekte bleiben)?</translation>
    </message>
    <message>
        <source>The objects of %1 were not saved.</source>
        <translation>Die Objekte von %1 wurden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Saved the objects of %1: %2 bytes at 0x%3%4</source>
        <translation>Objekte von %1 gespeichert: %2 Bytes bei 0x%3%4</translation>
    </message>
    <message>
        <source>Set as &amp;background block</source>
        <translation>Als &amp;Hintergrundblock festlegen</translation>
    </message>
</context>
<context>
    <name>zantor::MapPage</name>
    <message>
        <source>Block: 00</source>
        <translation>Block: 00</translation>
    </message>
    <message>
        <source>Block %1: used %2</source>
        <translation>Block %1: %2 verwendet</translation>
    </message>
    <message>
        <source>1 time</source>
        <translation>1-mal</translation>
    </message>
    <message>
        <source>%1 times</source>
        <translation>%1-mal</translation>
    </message>
    <message>
        <source>Zoom of the block palette</source>
        <translation>Zoom der Blockpalette</translation>
    </message>
    <message>
        <source>Save map</source>
        <translation>Map speichern</translation>
    </message>
    <message>
        <source>Block: %1</source>
        <translation>Block: %1</translation>
    </message>
    <message>
        <source>Paint with block %1</source>
        <translation>Mit Block %1 malen</translation>
    </message>
    <message>
        <source>Replace every use of block %1 with block %2</source>
        <translation>Jede Verwendung von Block %1 durch Block %2 ersetzen</translation>
    </message>
</context>
<context>
    <name>zantor::ObjectListDocument</name>
    <message>
        <source>Add Object</source>
        <translation>Objekt hinzufügen</translation>
    </message>
    <message>
        <source>Add Objects</source>
        <translation>Objekte hinzufügen</translation>
    </message>
    <message>
        <source>Move Object</source>
        <translation>Objekt verschieben</translation>
    </message>
    <message>
        <source>Move Objects</source>
        <translation>Objekte verschieben</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Objekt löschen</translation>
    </message>
    <message>
        <source>Delete Objects</source>
        <translation>Objekte löschen</translation>
    </message>
    <message>
        <source>Change Object Type</source>
        <translation>Objekttyp ändern</translation>
    </message>
    <message>
        <source>Hide in Easy Mode</source>
        <translation>Im Easy-Modus verstecken</translation>
    </message>
    <message>
        <source>Show in Easy Mode</source>
        <translation>Im Easy-Modus zeigen</translation>
    </message>
    <message>
        <source>Edit Object</source>
        <translation>Objekt bearbeiten</translation>
    </message>
</context>
<context>
    <name>zantor::ObjectListPanel</name>
    <message>
        <source>Type of new objects:</source>
        <translation>Typ neuer Objekte:</translation>
    </message>
    <message>
        <source>Hints:</source>
        <translation>Hinweise:</translation>
    </message>
    <message>
        <source>No ROM is open.</source>
        <translation>Kein ROM ist offen.</translation>
    </message>
    <message>
        <source>Shared with levels %1: edits show there too.</source>
        <translation>Geteilt mit Level %1: Änderungen zeigen sich auch dort.</translation>
    </message>
    <message numerus="yes">
        <source>%n object(s).</source>
        <translation>
            <numerusform>%n Objekt.</numerusform>
            <numerusform>%n Objekte.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>zantor::ObjectNamesDialog</name>
    <message>
        <source>Object names</source>
        <translation>Objektnamen</translation>
    </message>
    <message>
        <source>Levels 0-9</source>
        <translation>Level 0-9</translation>
    </message>
    <message>
        <source>Levels 10-31</source>
        <translation>Level 10-31</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exportieren…</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importieren…</translation>
    </message>
    <message>
        <source>Without a name: &quot;Object %1&quot;</source>
        <translation>Ohne Namen: „Objekt %1“</translation>
    </message>
    <message>
        <source>Export object names</source>
        <translation>Objektnamen exportieren</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Import object names</source>
        <translation>Objektnamen importieren</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>zantor::ObjectTableModel</name>
    <message>
        <source>Object %1</source>
        <translation>Objekt %1</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Easy-hidden</source>
        <translation>Easy-versteckt</translation>
    </message>
</context>
<context>
    <name>zantor::PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>none found on the PATH or in %1</source>
        <translation>keiner im PATH oder in %1 gefunden</translation>
    </message>
    <message>
        <source>%1 (found)</source>
        <translation>%1 (gefunden)</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Durchsuchen…</translation>
    </message>
    <message>
        <source>The program &quot;Run in emulator&quot; starts, with its arguments. %f stands for the ROM copy; without it the copy is added last. Empty: mgba-qt or mgba, whichever is found.</source>
        <translation>Das Programm, das „Im Emulator starten“ aufruft, mit seinen Argumenten. %f steht für die ROM-Kopie; fehlt es, wird die Kopie als Letztes angehängt. Leer: mgba-qt oder mgba, je nachdem, was gefunden wird.</translation>
    </message>
    <message>
        <source>&amp;Emulator command:</source>
        <translation>&amp;Emulator-Befehl:</translation>
    </message>
    <message>
        <source>Choose the emulator</source>
        <translation>Emulator wählen</translation>
    </message>
    <message>
        <source>All Files(*.*)|*.*</source>
        <translation>Alle Dateien(*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>zantor::RomSession</name>
    <message>
        <source>no ROM is open</source>
        <translation>kein ROM ist offen</translation>
    </message>
</context>
<context>
    <name>zantor::ScreensLayer</name>
    <message>
        <source>exit %1</source>
        <translation>Ausgang %1</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
</context>
<context>
    <name>zantor::TileSetWindow</name>
    <message>
        <source>Export tile sheet</source>
        <translation>Tile-Tabelle exportieren</translation>
    </message>
    <message>
        <source>Wrote the tile sheet to %1</source>
        <translation>Tile-Tabelle nach %1 geschrieben</translation>
    </message>
    <message>
        <source>Import tile sheet</source>
        <translation>Tile-Tabelle importieren</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be imported: %2</source>
        <translation>„%1“ kann nicht importiert werden: %2</translation>
    </message>
    <message>
        <source>The picture holds the tiles as they are: nothing changed</source>
        <translation>Das Bild enthält die Tiles so, wie sie sind: nichts geändert</translation>
    </message>
    <message>
        <source>the tiles at %1 (also in %2)</source>
        <translation>die Tiles bei %1 (auch in %2)</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n changed tile(s)</source>
        <translation>
            <numerusform>%n geändertes Tile importiert</numerusform>
            <numerusform>%n geänderte Tiles importiert</numerusform>
        </translation>
    </message>
    <message>
        <source>; shared sources changed: %1</source>
        <translation>; geänderte geteilte Quellen: %1</translation>
    </message>
    <message>
        <source>Tile %1</source>
        <translation>Tile %1</translation>
    </message>
    <message>
        <source>%1×</source>
        <translation>%1×</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Stift</translation>
    </message>
    <message>
        <source>Bucket</source>
        <translation>Fülleimer</translation>
    </message>
    <message>
        <source>Picker</source>
        <translation>Pipette</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Colour %1: the left button chooses it for the left button, the right button for the right one</source>
        <translation>Farbe %1: die linke Maustaste wählt sie für die linke Maustaste, die rechte für die rechte</translation>
    </message>
    <message>
        <source>Raw colour numbers</source>
        <translation>Rohe Farbnummern</translation>
    </message>
    <message>
        <source>Show the stored colour numbers 0-3 as white to black instead of the level&apos;s palette</source>
        <translation>Die gespeicherten Farbnummern 0-3 als Weiß bis Schwarz statt in der Palette des Levels zeigen</translation>
    </message>
    <message>
        <source>Flip ↔</source>
        <translation>Spiegeln ↔</translation>
    </message>
    <message>
        <source>Flip ↕</source>
        <translation>Spiegeln ↕</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Export tile sheet…</source>
        <translation>Tile-Tabelle exportieren…</translation>
    </message>
    <message>
        <source>Import tile sheet…</source>
        <translation>Tile-Tabelle importieren…</translation>
    </message>
    <message>
        <source>Copies the chosen tile, or the rectangle of tiles dragged on the sheet</source>
        <translation>Kopiert das gewählte Tile oder das auf der Tabelle aufgezogene Rechteck aus Tiles</translation>
    </message>
    <message>
        <source>Pastes the copied tiles with their top-left on the chosen tile</source>
        <translation>Fügt die kopierten Tiles mit ihrer linken oberen Ecke auf dem gewählten Tile ein</translation>
    </message>
    <message>
        <source>Tiles 20-23 may be replaced by animation while the level runs.</source>
        <translation>Die Tiles 20-23 können während des Levels durch eine Animation ersetzt werden.</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Left: %1  Right: %2</source>
        <translation>Links: %1  Rechts: %2</translation>
    </message>
    <message>
        <source>Tileset editor — %1%2</source>
        <translation>Tileset-Editor — %1%2</translation>
    </message>
    <message>
        <source>These tiles are used by this level only.</source>
        <translation>Diese Tiles werden nur von diesem Level verwendet.</translation>
    </message>
    <message>
        <source>These tiles are also used by %1.</source>
        <translation>Diese Tiles werden auch von %1 verwendet.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 and %n more level(s)</source>
        <translation>
            <numerusform>%1, %2 und %n weiteres Level</numerusform>
            <numerusform>%1, %2 und %n weitere Level</numerusform>
        </translation>
    </message>
    <message>
        <source>These tiles are also used by %1. An edit shows in all of them. Go on?</source>
        <translation>Diese Tiles werden auch von %1 verwendet. Eine Änderung zeigt sich überall dort. Fortfahren?</translation>
    </message>
    <message>
        <source>Edit shared tiles</source>
        <translation>Geteilte Tiles bearbeiten</translation>
    </message>
    <message>
        <source>Do not ask again for these tiles</source>
        <translation>Für diese Tiles nicht mehr fragen</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Füllen</translation>
    </message>
    <message>
        <source>Flip Tile Horizontally</source>
        <translation>Tile waagrecht spiegeln</translation>
    </message>
    <message>
        <source>Flip Tile Vertically</source>
        <translation>Tile senkrecht spiegeln</translation>
    </message>
    <message>
        <source>Rotate Tile</source>
        <translation>Tile drehen</translation>
    </message>
    <message numerus="yes">
        <source>Copied %n tile(s)</source>
        <translation>
            <numerusform>%n Tile kopiert</numerusform>
            <numerusform>%n Tiles kopiert</numerusform>
        </translation>
    </message>
    <message>
        <source>Paste Tiles</source>
        <translation>Tiles einfügen</translation>
    </message>
    <message numerus="yes">
        <source>Pasted: %n tile(s) changed</source>
        <translation>
            <numerusform>Eingefügt: %n Tile geändert</numerusform>
            <numerusform>Eingefügt: %n Tiles geändert</numerusform>
        </translation>
    </message>
    <message>
        <source>Saved the changed tiles</source>
        <translation>Geänderte Tiles gespeichert</translation>
    </message>
</context>
<context>
    <name>zantor::TitleDocument</name>
    <message>
        <source>Paint Title</source>
        <translation>Titel malen</translation>
    </message>
    <message>
        <source>Import Tiles</source>
        <translation>Tiles importieren</translation>
    </message>
</context>
<context>
    <name>zantor::TitleScreenWindow</name>
    <message>
        <source>%1 map cells at %2</source>
        <translation>%1 Map-Zellen bei %2</translation>
    </message>
    <message>
        <source>256 tiles at %1</source>
        <translation>256 Tiles bei %1</translation>
    </message>
    <message>
        <source>Nothing to save</source>
        <translation>Nichts zu speichern</translation>
    </message>
    <message>
        <source>Saved the title screen: %1</source>
        <translation>Titelbild gespeichert: %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Open Tiles</source>
        <translation>Tiles öffnen</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; replaces all 256 tiles of the title screen. Colours other than the four greys become white. You can undo this, and nothing is written before you save. Go on?</source>
        <translation>Das Bild „%1“ ersetzt alle 256 Tiles des Titelbilds. Andere Farben als die vier Grautöne werden weiß. Sie können das rückgängig machen, und nichts wird geschrieben, bevor Sie speichern. Fortfahren?</translation>
    </message>
    <message>
        <source>Edit Tiles</source>
        <translation>Tiles bearbeiten</translation>
    </message>
    <message>
        <source>The picture holds the tiles as they are: nothing changed</source>
        <translation>Das Bild enthält die Tiles so, wie sie sind: nichts geändert</translation>
    </message>
    <message>
        <source>Imported %1 changed tile(s) from %2; &quot;Save Map&quot; writes them</source>
        <translation>%1 geänderte(s) Tile(s) aus %2 importiert; „Map speichern“ schreibt sie</translation>
    </message>
    <message>
        <source>Save Tiles as</source>
        <translation>Tiles speichern unter</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 gibt es schon. Ersetzen?</translation>
    </message>
    <message>
        <source>Saved the tiles as %1</source>
        <translation>Tiles als %1 gespeichert</translation>
    </message>
    <message>
        <source>Tiles:</source>
        <translation>Tiles:</translation>
    </message>
    <message>
        <source>Map:</source>
        <translation>Map:</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Zoom (Ctrl++ and Ctrl+-)</source>
        <translation>Zoom (Strg++ und Strg+-)</translation>
    </message>
    <message>
        <source>Save Tiles as...</source>
        <translation>Tiles speichern unter...</translation>
    </message>
    <message>
        <source>Replaces the 256 tiles with a picture&apos;s (one undo step)</source>
        <translation>Ersetzt die 256 Tiles durch die eines Bildes (ein Rückgängig-Schritt)</translation>
    </message>
    <message>
        <source>Save Map</source>
        <translation>Map speichern</translation>
    </message>
    <message>
        <source>Writes the edited map and tiles into the ROM</source>
        <translation>Schreibt die bearbeitete Map und die Tiles ins ROM</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>%1[*] — Title screen editor</source>
        <translation>%1[*] — Titelbild-Editor</translation>
    </message>
    <message>
        <source>the changes to the title screen</source>
        <translation>die Änderungen am Titelbild</translation>
    </message>
</context>
</TS>
