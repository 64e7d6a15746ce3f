<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>tessaro::app::StationDriver</name>
    <message>
        <source>stored %1, failed %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, mean %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for a printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detecting the printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for the printer to leave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for the next printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last unit: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detecting the printer: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot serve the port: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stored: %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed (%1): %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, not recorded in the audit log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All ports: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::app::StationSetup</name>
    <message>
        <source>&amp;Repeat: configure each new printer as it arrives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile to store</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The current &amp;workspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A profile &amp;file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse for a profile file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No COM, USB or LPT port is there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Network printers (host or host:port):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network printers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network printer to add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audit &amp;log:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse for the audit log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(the file cannot be read)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no file chosen)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name: %1
SHA-256: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::app::StationTile</name>
    <message>
        <source>Not started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::app::StationWindow</name>
    <message>
        <source>Production station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Messages:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;top now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopping: the units under way finish (Stop now stops them too).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audit log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audit logs (*.jsonl);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
