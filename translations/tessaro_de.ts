<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>tessaro::app::ClientArea</name>
    <message>
        <source>List of modified parameters:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set modified parameters as printer default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recover Factory Settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::app::ControlFactory</name>
    <message>
        <source>Serial speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Handshake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IR mode</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::app::Form1</name>
    <message>
        <source>The configuration could not be loaded.<byte value="xd"/>
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 no longer exists; it is removed from the recent profiles.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The configuration could not be saved.<byte value="xd"/>
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::app::Helpfrm</name>
    <message>
        <source>Tessaro Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::app::MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load Config From File to Workspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent &amp;profiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Workspace Config to File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reload Factory Settings to Workspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Detect the printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Configure the Printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Recover Factory Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Send Mofified Parameters to Printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Production station...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::app::PortSelection</name>
    <message>
        <source>Communication Port Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autodetect Printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End the detection or the automatic search now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baudrate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Handshake:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detect Printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parallel Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB and network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>host or host:port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network printer address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A printer on raw TCP; port 9100 unless the address names another</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>port and its device</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Xon-Xoff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DSR/DTR Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No printer found yet, please start detection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The production station is using ports: the automatic search would reach its printers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the network printer&apos;s address (host or host:port).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must select a USB port or a network printer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::app::QtFileDialogs</name>
    <message>
        <source>PCF Config Files (*.pcf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open File ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Configuration as ...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::app::SplashScreen</name>
    <message>
        <source>Rev: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::app::StationDriver</name>
    <message>
        <source>stored %1, failed %2</source>
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
        <source>All ports: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stored %1, failed %2, mean %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The station is running already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stored: %1 (%2), not recorded in the audit log</source>
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
    <message>
        <source>Units are under way. Stop the station once they have ended, then close this window?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No profile file is chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The station cannot start.<byte value="xd"/>
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No audit log is chosen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::app::frmAbout</name>
    <message>
        <source>About Tessaro </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessaro v: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
