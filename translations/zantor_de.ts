<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>HeaderTexts</name>
    <message>
        <source>Map header offset: 0x%1</source>
        <translation>Offset des Mapheaders: 0x%1</translation>
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
        <translation type="unfinished"></translation>
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
    <name>zantor::HeaderPage</name>
    <message>
        <source>The player&apos;s start, in level pixels (the level is %1 × %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The centre of the first screen shown, in level pixels: the screen reaches 80 pixels to either side and 72 up and down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera start x:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera start y:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zantor::LevelDocument</name>
    <message>
        <source>Paint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace Block %1 with %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Start Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Start X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Camera Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Camera X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Background Palette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Foreground Palette 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Foreground Palette 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Camera Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste %1 × %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zantor::TitleDocument</name>
    <message>
        <source>Paint Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Tiles</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zantor::TitleScreenWindow</name>
    <message>
        <source>%1 map cells at %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>256 tiles at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved the title screen: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Tiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; replaces all 256 tiles of the title screen. Colours other than the four greys become white. You can undo this, and nothing is written before you save. Go on?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Tiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture holds the tiles as they are: nothing changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imported %1 changed tile(s) from %2; &quot;Save Map&quot; writes them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Tiles as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved the tiles as %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tiles:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom (Ctrl++ and Ctrl+-)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Tiles as...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replaces the 256 tiles with a picture&apos;s (one undo step)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes the edited map and tiles into the ROM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1[*] — Title screen editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the changes to the title screen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
