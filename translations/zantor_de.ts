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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a number at byte %1 is too long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes are missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 at target offset %2 reaches outside its data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a patch is made for images of at most 16 MiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no &quot;BPS1&quot; at the start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes are too few for a BPS patch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>recorded %1, the file gives %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it expects %1 bytes with CRC32 %2, the ROM has %3 bytes with CRC32 %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the patched file would be %1 bytes; at most 16 MiB is a ROM image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the metadata runs into the checksums</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the actions give %1 of the %2 bytes it announces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>recorded %1, the result gives %2</source>
        <translation type="unfinished"></translation>
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
    <name>ExitScriptCommand</name>
    <message>
        <source>Edit Exit Script %1</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IpsPatch</name>
    <message>
        <source>IPS reaches offsets below 16 MiB only; the modified file is %1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no &quot;PATCH&quot; at the start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it ends inside %1 at byte %2, with no &quot;EOF&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a record&apos;s offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a record&apos;s length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a run record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a record&apos;s bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the record at byte %1 writes up to offset %2, past the 16 MiB a ROM image may have</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the size after &quot;EOF&quot; (%1) is larger than the patched file (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes follow &quot;EOF&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LevelTileSheet</name>
    <message>
        <source>Import Tile Sheet</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The map is %1 too big for its slot, and the maps stored next to it do not have that much room to spare. Simplify it by %1 (fewer changes of block along its rows), or simplify another map of its region and repack.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MapSpace</name>
    <message>
        <source>its table entry %1 (at %2) holds %3, outside the bank&apos;s window 0x4000-0x7FFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its bank %1 lies past the end of the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its data (from %1) runs past the end of bank %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ObjectHints</name>
    <message>
        <source>%1 objects between x %2 and %3: at most 16 are alive at once, so some may not appear</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n object(s) left of x %1 (the camera&apos;s start + 112) never appear when the level starts</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ObjectList</name>
    <message>
        <source>object %1 (x %2, y %3, type 0x%4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the object list at 0x%1 has no end (0xFF) before the end of bank %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the object lists of version %1 are not known</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>level %1 has no object list: its pointer at 0x%2 is $%3, outside bank %4&apos;s $4000-$7FFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 objects; a level holds at most %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> lies outside the level (x 0-%1, y 0-%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> is not on the 8-pixel grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> has a type outside 0-127</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> cannot be stored: in the last screen (x from 3840) types 0x78-0x7F would read as the end of the list</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ObjectListJson</name>
    <message>
        <source>not JSON: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no &quot;objects&quot; array</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>object %1: &quot;%2&quot; is not a whole number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>object %1: &quot;hiddenInEasyMode&quot; is not true or false</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ObjectSpace</name>
    <message>
        <source>the object lists of version %1 are not known</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its list at %1 lies over the pointer table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its list at %1 runs into the list at %2</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of bank %2 cannot be decoded: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>table entry %1 of bank %2 points to %3, inside the region %4 but not at the start of a map: moving the maps would break it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the data of %1 overlaps the region %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the cartridge header (0x134-0x14F) lies in the region %1, and a save never changes the header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the map headers or their table (at %1) lie in the region %2; moving maps over them would break them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the map table of bank %1 overlaps the region %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bank %1 has no map region %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not stored in the region %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the maps of the region %1 need %2 bytes, %3 more than its %4 bytes: simplify one of them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be decoded: %2</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scroll-box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScreenFacts</name>
    <message>
        <source>The exit scripts of cartridge version %1 are not known.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The checkpoints of cartridge version %1 are not known.</source>
        <translation type="unfinished"></translation>
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
    <name>TileSheetPng</name>
    <message numerus="yes">
        <source>%n pixel(s) of the picture are none of the four greys (white, light grey, dark grey, black); the first is at (%1, %2).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
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
        <translation type="unfinished"></translation>
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
    <message>
        <source>Exit script %1&apos;s table word (at %2) is $%3, outside bank %4&apos;s $4000-$7FFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>warp to row %1, column %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>camera Y low byte %1, player Y low byte %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>enemy graphics from bank %1, address $%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>command %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>neither a TMX nor a Tiled JSON map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: larger than any map of a level</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds %2 bytes; a block map is %3 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To repack, run the same command with --repack.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repacking cannot help: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes the decoded block map of MAP: 12288 bytes, 48 rows of 256 block numbers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compresses a block map of 12288 bytes and writes it over MAP&apos;s data, in place,
lengthened to fill the map&apos;s slot (the bytes its stored form took), so the slot
stays the map&apos;s. Like &quot;Save map&quot;, it refuses (exit 1, the ROM left as it was)
when the encoding is longer than the slot, and says by how much. --repack then
repacks the map&apos;s region when the other maps there leave enough room.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%d %s: %d objects at 0x%s (%d bytes)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  x %4d  y %3d  type %s%s
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  hidden in Easy mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the level&apos;s object list (its enemies and items) in the stored order: each
object&apos;s position in level pixels, its type (0-127) and whether it is hidden in
Easy mode. --json prints {&quot;level&quot;: N, &quot;objects&quot;: [{&quot;x&quot;, &quot;y&quot;, &quot;type&quot;,
&quot;hiddenInEasyMode&quot;}, ...]}. A level whose list pointer lies outside its bank fails
with a message naming the pointer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>larger than 32 MiB, which is no patch for a ROM image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ends in neither .bps nor .ips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zantor-tool make-patch: %s: %s
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not fit %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zantor-tool apply-patch: %s: %s
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes a patch that turns ORIGINAL into MODIFIED: BPS when OUT ends in .bps
(with the CRC32 of both files, so that it only applies to ORIGINAL), IPS when it
ends in .ips.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Applies a BPS or IPS patch (told by its first bytes) to ROM and writes the result
to OUT; ROM is not changed. A BPS made for another file, or a damaged patch, is
refused (exit 1) and nothing is written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bank %1, region %2-%3: %4 bytes, the maps need %5
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  %1 -&gt; %2  slot %3 -&gt; %4  %5%6
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  (moves)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  %1 bytes at the region&apos;s end are longer than any map can fill; they are left as they are
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--version takes 0, 1 or 2, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes the built-in sample cartridge (512 KiB, made by Zantor itself) to OUT.gb.
--version sets the cartridge&apos;s version byte; the tables that depend on it move.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank %s (file %s-%s): table at %s, %d entries
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  gap %s-%s: %d bytes in no map&apos;s slot
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  region %s-%s: %d bytes, slack %d
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    %s %s  slot %5d  needs %5d  slack %5d  %s%s
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (shared)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  tail %s-%s: %d bytes of %s, possibly unused (nothing writes there)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  cannot decode map %s: %s
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s: %d map banks
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no bank &quot;%1&quot;: give a number 0-255, e.g. 12 or 0x0C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zantor-tool repack: %s: no map header names bank %s
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zantor-tool repack: %s: %s
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints, for each map bank, its map regions (slots that follow one another with no
gap), each map&apos;s start, slot, the bytes its cells need and the slack, shared maps,
the gaps between regions and the run of 0x00 or 0xFF the bank ends in (possibly
unused: nothing writes there). --json prints the same as one JSON document.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repacks every map region of BANK (12 or 0x0C): its maps in their shortest form,
back to back in their old order, the last one lengthened to the region&apos;s end, and
the moved maps&apos; table entries rewritten. Refused (exit 1, nothing written) when a
table entry points into a region but not at a map, or a map cannot be decoded.
--dry-run prints what would move and writes nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tiles saved successfully!
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No such file</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>It is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds %2 bytes; a title map is %3 bytes, 20 × 18 sheet indices row by row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draws the title screen (160 × 144) as a PNG.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes the title screen&apos;s 256 tiles as a 128 × 128 Windows bitmap in four greys.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes a picture (any format Qt reads) into the ROM as the title screen&apos;s tiles:
its top-left 128 × 128 pixels; other colours than the four greys, and what the
picture does not cover, become colour 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes the title screen&apos;s tile map: 360 sheet indices (ROM byte Xor 0x80), 18 rows
of 20.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes a 360-byte title map (as title-map-export gives it) into the ROM; only those
360 bytes of the map change.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zantor-tool %s: %s: %s
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes MAP&apos;s object list from JSON in the form `objects --json` prints, sorted by X
(objects of the same X keep their order) and ended with 0xFF. A shorter list keeps
its slot, the rest filled with 0xFF. Refused (exit 1, nothing written) for more than
84 objects, one outside the level or off the 8-pixel grid, type 0x78-0x7F in the
last screen, or a list longer than its slot; --repack then lays the lists of its
region back to back and rewrites the pointers of those that move.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zantor::ExitsPanel</name>
    <message>
        <source>&lt;b&gt;Exits&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The exit script run when the player walks through a closed edge of this screen; 0: none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chosen script&apos;s bytes in hex; it keeps its length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick Warp Target</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Then click the screen the chosen script&apos;s warp should lead to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen: row %1, column %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click a screen to edit its exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera start: x %1, y %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checkpoint: player x %1, y %2; camera x %3, y %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These screens are also those of %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Script %1 at %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Script %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run by %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(unsaved)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit script %1 is run by %2. A change changes it for all of them. Change it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shared exit script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Script %1 takes %2 bytes, written as hex (&quot;40 17 FF&quot;); it cannot grow or shrink in place.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Script %1 has no warp to send elsewhere.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Screen Edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Screen Edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Screen Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Checkpoint Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Checkpoint Camera</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is Zantor&apos;s sample cartridge: it has levels to edit but no game to play, so an emulator cannot run it. Open a Super Mario Land 2 ROM to play-test.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The patch &quot;%1&quot; is made for another cartridge, not for &quot;%2&quot;: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The patch &quot;%1&quot; cannot be applied to &quot;%2&quot;: %3.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No object is selected: click one first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Cut %n object(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %n object(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The clipboard holds no objects: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The objects of %1 cannot be saved: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The objects of %1 do not fit their room, and repacking cannot help: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The object list of %1 no longer fits its room. Repack the object lists around it (they move, their pointers are rewritten, their objects stay)?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The objects of %1 were not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved the objects of %1: %2 bytes at 0x%3%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set as     edit-&gt;addAction(QStringLiteral(</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Objects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Objects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Objects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Object Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide in Easy Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show in Easy Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Object</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zantor::ObjectListPanel</name>
    <message>
        <source>Type of new objects:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hints:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No ROM is open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shared with levels %1: edits show there too.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n object(s).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>zantor::ObjectListWriter</name>
    <message>
        <source>the list needs %1 bytes but its slot at %2 holds %3; repacking its region may make room</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>level %1 in the region %2-%3 cannot be moved: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the lists of the region %1-%2 need %3 bytes together; it holds %4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zantor::ObjectNames</name>
    <message>
        <source>not a names file: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; is not a type 00-7F with a name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zantor::ObjectNamesDialog</name>
    <message>
        <source>Object names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Levels 0-9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Levels 10-31</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Without a name: &quot;Object %1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export object names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import object names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zantor::ObjectTableModel</name>
    <message>
        <source>Object %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Easy-hidden</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zantor::Parser</name>
    <message>
        <source>object %1 has no &quot;type&quot; property (0-127)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>object %1 has type %2; types are 0-127</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>object %1 has no position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a TMX map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a well-formed TMX map (line %1: %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not well-formed JSON (at byte %1: %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a Tiled JSON map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an infinite map; a level has a fixed size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV with compression &quot;%1&quot; is not a Tiled encoding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the layer&apos;s base64 data is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown compression &quot;%1&quot;; zlib and gzip are read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the layer&apos;s %1 data is damaged or too long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the layer&apos;s data is not whole tile ids</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown layer encoding &quot;%1&quot;; CSV and base64 are read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the layer holds %1 cells; a level has %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cell (%1, %2) holds no tile id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a map of orientation &quot;%1&quot;; a level is orthogonal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a map of %1 × %2 cells of %3 × %4 pixels; a level is %5 × %6 cells of %7 × %7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the map has no tile layer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the map has %1 tile layers and none is named &quot;map&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the layer &quot;%1&quot; is %2 × %3 cells; a level is %4 × %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the map has no tileset for the blocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cell (%1, %2) is empty; every cell of a level holds a block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cell (%1, %2) holds a flipped or rotated tile; blocks cannot be turned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cell (%1, %2) holds tile id %3, outside the blocks&apos; ids %4-%5</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zantor::TileSetWindow</name>
    <message>
        <source>Export tile sheet</source>
        <translation type="unfinished">Tile-Tabelle exportieren</translation>
    </message>
    <message>
        <source>Wrote the tile sheet to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import tile sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be imported: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture holds the tiles as they are: nothing changed</source>
        <translation type="unfinished">Das Bild enthält die Tiles so, wie sie sind: nichts geändert</translation>
    </message>
    <message>
        <source>the tiles at %1 (also in %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Imported %n changed tile(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>; shared sources changed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tile %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1×</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bucket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour %1: the left button chooses it for the left button, the right button for the right one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raw colour numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the stored colour numbers 0-3 as white to black instead of the level&apos;s palette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip ↔</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip ↕</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished">Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished">Wiederholen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Export tile sheet…</source>
        <translation>Tile-Sheet exportieren…</translation>
    </message>
    <message>
        <source>Import tile sheet…</source>
        <translation>Tile-Sheet importieren…</translation>
    </message>
    <message>
        <source>Copies the chosen tile, or the rectangle of tiles dragged on the sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pastes the copied tiles with their top-left on the chosen tile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tiles 20-23 may be replaced by animation while the level runs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation type="unfinished">Zoom:</translation>
    </message>
    <message>
        <source>Left: %1  Right: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tileset editor — %1%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These tiles are used by this level only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These tiles are also used by %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and </source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 and %n more level(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>These tiles are also used by %1. An edit shows in all of them. Go on?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit shared tiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not ask again for these tiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip Tile Horizontally</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip Tile Vertically</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate Tile</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Copied %n tile(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Paste Tiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Pasted: %n tile(s) changed</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Saved the changed tiles</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zantor::TileSheetPng</name>
    <message>
        <source>The picture is %1 × %2 pixels; a tile sheet is 128 × 128.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zantor::TiledTransfer</name>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exported to %1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import from Tiled</source>
        <translation>Aus Tiled importieren</translation>
    </message>
    <message>
        <source>Tiled maps (*.tmx *.json)|*.tmx;*.json|All Files(*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imported %1: %2 cells changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 objects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the objects were not imported: this cartridge&apos;s object lists are not known</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Tiles</source>
        <translation>Tiles öffnen</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; replaces all 256 tiles of the title screen. Colours other than the four greys become white. You can undo this, and nothing is written before you save. Go on?</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
<context>
    <name>zantor::tool</name>
    <message>
        <source>To repack, run the same command with --repack.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repacked the object lists at %1-%2; moved the lists of levels %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Object lists: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Object lists (bank %1): table at %2, %3 lists
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  region %1-%2: %3 bytes, spare %4
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    %1  slot %2  uses %3  %4 objects  levels %5%6
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (shared)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  level %1: %2
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none (only levels 0-30 have one)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>player x %1, y %2; camera x %3, y %4 (at %5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>exit scripts:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2: bank %3, index %4; scroll boxes at %5, exits at %6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>camera start: x %1, y %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>checkpoint: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scroll boxes (bit 0 right, 1 left, 2 top, 3 bottom) and exits, by screen row:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a list of %2 numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds %2: each must be a whole number 0-%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be an object with &quot;x&quot; and &quot;y&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs &quot;%2&quot; as a whole number 0-65535</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is no JSON object: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level %1 has no checkpoint entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zantor-tool export-tmx: no object group: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zantor-tool import-tmx: the objects: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 objects written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is refused: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No tile differs; nothing written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changed %1 tile(s): %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group %1 at 0x%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: used by no other level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: also used by %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
