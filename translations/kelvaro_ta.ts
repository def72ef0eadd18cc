<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ta_IN">
<context>
    <name>Application</name>
    <message>
        <source>Application is already running</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BirthRules</name>
    <message>
        <source>Please Enter Value Between 0 And 14 in the Zone Hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the Zone Minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 179 in the Degree of Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 89 in the Degree of Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChartText</name>
    <message>
        <source>Julian Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Midheaven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>House</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bhava Madhya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bhava Sandhi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Note: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bhava</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earlier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Earlier, Later: the minutes of birth time that put the planet in another Bhava,
the ascendant in another sign; * within 15 minutes. (R) retrograde.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window of the ascendant&apos;s sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Vimshottari dasha (a year of %1 days)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance at birth: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DashaYears</name>
    <message>
        <source>Sidereal (365.256363 days)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Julian (365.25 days)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Savana (360 days)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmAbout</name>
    <message>
        <source>Kelvaro generates the Houses or Bhavas of your natal chart. Each house is related to to an area in life. This influences the interpretation of your birth chart depending on the position of the different planets in these houses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to visit </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planet positions come from Swiss Ephemeris, © Astrodienst AG, under the GNU Affero General Public License 3.0. Kelvaro is free software: you may share and change it under the GNU Affero General Public License, version 3 or later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The atlas of places is the GeoNames list of places (geonames.org), under the Creative Commons Attribution 4.0 License (CC BY 4.0).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmDisplay</name>
    <message>
        <source>Talk about your chart with fellow astrologers on our online discussion board. Click here to join us.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bhava Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Julian Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Midheaven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>House</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bhava Madhya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bhava Sandhi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bhava chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart &amp;style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North Indian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South Indian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interpretation of Houses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Characteristics Of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>House Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sanskrit Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planet Ruler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign Ruler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mantra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Element</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>House Attributes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planets in Bhavas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bhava</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes earlier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Divisional charts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Venus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rahu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ketu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holds from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holds to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vimshottari dasha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance at birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dasha &amp;year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dasha year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dasha periods</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. The Help menu tells you how it is done. Click Here for more info on co-branding.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Chart Picture…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes earlier and later: how far the birth time may be off before the planet stands in another Bhava (for the ascendant: before it rises in another sign). Marked * and highlighted: within 15 minutes, worth checking the recorded birth time. (R): retrograde. Lord: the nakshatra&apos;s lord, who rules its period of the Vimshottari dasha.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holds from and to: the birth times between which the chart&apos;s ascendant keeps its sign. Marked * and highlighted in D1 and D9: within 15 minutes of the birth, worth checking the recorded birth time; the finer charts&apos; windows are short by nature.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>earlier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the ascendant would rise in another sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 would stand in another Bhava</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more than %1 minutes %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Even born four hours %1, %2 would not change.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the ascendant&apos;s sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s Bhava</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 minutes %2, within %3 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 minutes %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Born %1 minutes %2, %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marked and opened: the periods running today, %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, retrograde</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, nakshatra %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pada %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lord %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <source>Join our free astrology community on the web. Click here!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Know what the Bhavas or the Houses of your natal chart have to tell you. Understand your life better witht his software.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birth place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the atlas of places...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TZ Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone direction: from the longitude (East ahead of universal time, West behind), or as chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ahead of UT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Behind UT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>East</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>West</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Its Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get My Bhava Chart Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co-brand this software for your site. Give it to your visitors with your own name, logo and web address on it. Click here for more details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The atlas of places could not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City of birth: type its name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No place matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 place matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 places match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; Return chooses %2, %3 of %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; Return chooses %2, Down goes through the list</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmReferral</name>
    <message>
        <source>Programs like Kelvaro can only be written and kept up to date with your support. The best way to support us is to visit the Orvenna Softwares community often and join in its discussions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please visit the Orvenna Softwares community regularly and take part in its discussions. Without your visits we cannot keep programs like this one going.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Orvenna Softwares community is a free online discussion forum. Each visit you make there helps us develop and maintain Kelvaro.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Our community needs your help. All we ask is that you visit it regularly and take part in its discussions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes, take me to the Orvenna Softwares community at </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Orvenna Softwares</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try the other programs from Orvenna Softwares: astrology, psychic, tarot, numerology and occult software, simple to use and full of information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Here To Visit Orvenna Softwares</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmTimeZone</name>
    <message>
        <source>Time zones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HouseCatalogue</name>
    <message>
        <source>The House of Identity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tanu Bhava / Lagna Bhava</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outer-Self, Superficial Traits, Physical Appearance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To Be</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Much can be determined about someone’s personality from this house. It stands for your self, the individuality that sets you apart from everyone else, and the way you meet the world before a single word is spoken.  The sign on its cusp is your rising sign, the Lagna, which colours your outward appearance and the image you project to those you meet. This house also shows the silent, non-verbal bond you form with your surroundings. Many astrologers call it the most vital house of the chart, because every other house is counted from it. In the body it rules your physique and general health, the head, the face and the complexion, and your early years.  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The House of Finances</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dhana Bhava</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Venus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Money, Self-Worth, Vitality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To Have</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This house is traditionally known as the house of material possessions and wealth. It shows how you handle your resources: what you earn, what you keep and what slips through your fingers. Your material goals, your finances and the gains or losses you meet along the way are all read from here, and a well-aspected second house promises steady, lasting growth. Yet the second house is about more than money, for it also describes your self-esteem, the value you place on yourself and on what you possess. Traditionally it points to the servants and helpers who support your household, and to the natural talents you can turn into income, your “inner wealth”. In the body it governs the eyesight and the throat. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The House of Communication  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sahaj Bhava / Vikrama Bhava</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Education, Communication, Relationships</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To Communicate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This house corresponds to your power of communication. When its lord is well placed, or when benefics occupy it, you speak with ease and write with skill and clarity, and your words carry real weight with others. It reveals your attitude to risk, whether you follow convention or prefer to test its limits and go your own way. The third house also rules your younger brothers and sisters, your neighbours and the many short trips that fill your daily life. It shows your stamina and courage, and the quick, curious intellect that learns by asking questions and won’t rest until it understands. In the body it governs the right ear and the shoulders. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The House of Family</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matru Bhava / Bandhu Bhava</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home, Family, Caring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To Belong </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This house is also known as ‘Matristhan’ in India or the house referring to your mother. It describes her influence on you and the emotional security you draw from your roots, which no success can replace. Here you find your need for privacy, the inner happiness that comes from feeling at home and the domestic comforts you gather about you, from property and land to vehicles. The fourth house rules your home and the bonds that tie your family together, as well as the heritage and traditions you carry forward into the generations to come. It speaks of your childhood and, at the other end of life, of your old age and the peace you hope to find there. In the body it governs the chest, the respiratory organs and the stomach. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The House of Pleasures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sukha Bhava / Budhi Bhava</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creativity, Romance, Hobbies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To Create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This house signifies the place of love affairs, how you will relate to your fiancé and romantic attachments in your life. It is also the house of the intellect: your capacity to learn, your education and the judgement that grows from patient study. Creativity and self-expression belong here, whether you paint, write, perform or simply play, and so do the hobbies that make you feel truly alive. The fifth house is the house of children, showing your bonds with them and how wisely you guide their upbringing. A strong fifth house brings joy through “the things you make”, whether they are works of art or sons and daughters. In the body it governs the liver, the heart and the spleen. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The House of Health</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shatru Bhava / Kashta Bhava</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Health, Service, Work</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To Serve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This house indicates the skills we possess and the kind of work compatible with those abilities. It describes your workplace and your daily routines, how you get along with your colleagues and how you relate to your employer. Enemies, rivals and the obstacles you must overcome are read from this house, and so are litigation and the disputes that end up before a judge. Because it rules service and duty, it shows how you cope with pressure in your working day and whether you let it turn into stress or worry. It is also the house of diseases, indicating your resistance to illness and the care your body needs to stay healthy, calm and strong. In the body it governs the kidney, the uterus and the intestine. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The House of Partnerships</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dara Bhava / Kalathra Bhava</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Libra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Agreements, Partnerships, Marriage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To Relate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This house is commonly believed to define our conjugal life, the king of persons we are inclined to choose as a marriage partner and woes or happiness regarding your relationship with your spouse. Its reach goes beyond marriage, though: it governs every business partnership you enter and the contracts that bind you to others.  It shows how you relate to your peers, whether you meet them as true equals and what you expect from them in return. Open rivals are also read here, since they are partners of a kind. When the lord of the seventh house is well placed, you may look forward to a loyal spouse and a lasting union. In the body it governs the genitals. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The House of Accidents and Death</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marna Bhava / Ayur Bhava</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sex, Possessions, Death</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To Transform</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This house corresponds to the sexual nature of a person. It is also known as the house of death, and it indicates your longevity, the dangers you might face and even the risk of imprisonment. Above all it is the house of transformation: the life-changing events that end one chapter and begin another. It holds your secrets and hidden fears, including the phobias you may not admit even to yourself, and your urge to probe what others conceal. Inheritance, legacies and other unconventional income, money that comes through others rather than from your own labour, are read here as well. In the body it governs the sexual organs. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The House of Fate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dharma Bhava</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Travel, Philosophy, Higher Mind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To Explore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This house of your natal chart defines the values you follow throughout your life, philosophic understanding of this world as well as your religious orientation. It is the house of luck and fortune, showing where grace finds you without effort and blessings arrive unasked. Higher education, study and the teachers who widen your horizons belong here, along with the prosperity and fame they can bring. It reveals your intuition and the long journeys, outward and inward, that shape your outlook. The ninth house also speaks of your grandchildren and of the dreams you hold for the future, the vision of a life lived well. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The House of Career</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Karma Bhava / Shubha Bhava</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ambition, Career, Public Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To Achieve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This house of tells about your career and your orientation regarding work and employment. It shows the lasting relationships you build at all levels of your professional life and the achievements for which you will be remembered. It is also the house of your father and of his influence on the path you choose. Your reputation and the public image you present take their shape here, at the peak of the chart. When benefics occupy it, you rise to positions of authority and win honour and respect, and your name becomes known. In the body it governs the hair, the knees, the bones, the joints and the spine.  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The House of Hopes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Labha Bhava / Aya Bhava</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friends, Hopes, Goals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To Innovate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This house is traditionally known as the house of income. It shows your monetary gains, particularly those that come from your work and your connections. Your sociability and the goals you set for yourself are read here, along with the humanitarian and political interests that draw you into groups. The eleventh house rules your friends and your popularity, and how far your hopes are fulfilled through them. It also speaks of adoption and of step-children, the family you choose rather than the one you are born into. A well-placed lord of this house lets your earnings grow steadily. In the body it governs the teeth, the left ear, the ankles and the legs. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The House of Shortcomings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vyaya Bhava</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compassion, Intuition, Mental Health</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To Reintegrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In Indian Astrology, this house is known as the ‘Vyaysthana’ or the house of expenses. It governs your psychic perception and the hidden persona you show to no one. Here lies your karma, and with it your capacity for charity, but also your sorrow and the clandestine affairs you keep from the world. It marks the limitations you face, whether in a hospital, an ashram or a foreign land, and asks for prudence with money, since what is spent here rarely returns. The twelfth house also speaks of the after-life and of your previous births. In the body it governs the left eye and the feet. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angular House (Action)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Succedent House (Fixed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cadent House (Adaptable)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cardinal (Kendra)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed (Panapara) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mutable (Apoklima) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire (Dharma) Houses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earth (Artha) Houses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Air (Kama) Houses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Water (Moksha) Houses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1st</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2nd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3rd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>11th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Here To Show Characteristics Of %1 House</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeyFilter</name>
    <message>
        <source>Please Enter only Letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Months</name>
    <message>
        <source>January</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>February</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>March</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>April</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>June</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>July</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>August</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>October</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>November</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>December</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Nakshatras</name>
    <message>
        <source>Ashwini</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bharani</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Krittika</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rohini</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mrigashira</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ardra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Punarvasu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pushya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ashlesha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purva Phalguni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uttara Phalguni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hasta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chitra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swati</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vishakha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anuradha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jyeshtha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mula</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purva Ashadha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uttara Ashadha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shravana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dhanishta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shatabhisha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purva Bhadrapada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uttara Bhadrapada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revati</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OpenReading</name>
    <message>
        <source>Select the source file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Planets</name>
    <message>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Venus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rahu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ketu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReadingDocument</name>
    <message>
        <source>over %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Houses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>House</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bhava Madhya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bhava Sandhi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planets in Bhavas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bhava</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes earlier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ascendant changes sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(R) retrograde. Minutes earlier and later: how far the birth time may be wrong before the planet stands in another Bhava (or the ascendant in another sign); %1 minutes or fewer in bold.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bhava Chart Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Julian Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Midheaven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interpretation of Houses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>House %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sanskrit Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planet Ruler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign Ruler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mantra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Element</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bhava Madhya %1, Bhava Sandhi %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; planets: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In this chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2, born %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rasi and Navamsa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nakshatras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vimshottari dasha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance at birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dasha year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maha dasha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antar dashas, each from its date to the next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReadingFiles</name>
    <message>
        <source>Export PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reading could not be saved.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Chart Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chart picture could not be saved.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some characters cannot be stored in a reading file and were left out:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SharedMenus</name>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Signs</name>
    <message>
        <source>Aries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Libra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ari</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tau</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lib</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sco</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aqu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pis</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TimeZones</name>
    <message>
        <source>Alaska/Hawaii Daylight Time,AHDT,-9.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time,AHST,-10.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time,AHWT,-9.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atlantic Standard Time,AST,-4.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atlantic War Time,AWT,-3.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australian Central Daylight Time,ACDT,+10.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australian Central Standard Time,ACST,+9.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time,AEDT,+11.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time,AEST,+10.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australian Western Daylight Time,AWDT,+9.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australian Western Standard Time,AWST,+8.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Azores Time, AT, -2.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baghdad Time, BAT, +3.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bering Standard Time,BET,-11.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brazil Zone 2,BZT2,-3.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>British Double Summer Time,BDST,+2.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>British Summer Time,BST,+1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>British War Time,BWT,+2.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central Daylight Time,CDT,-5.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central European Daylight,CED,+2.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central European Time,CET,+1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central Standard Time,CST,-6.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central War Time,CWT,-5.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>China Coast Time,CCT,+8.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eastern Daylight Time,EDT,-4.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eastern European Daylight Time,EED,+3.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eastern European Time,EET,+2.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eastern Standard Time,EST,-5.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eastern War Time,EWT,-4.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Greenwich Mean Time,GMT,0.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guam Standard Time,GST,+10.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time,HDT,-9.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hawaiian Standard Time,HST,-10.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hawaiian War Time,HWT,-9.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indian Time, IST, +5.3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East,IDLE,+12.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West,IDLW,-12.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Iran Time, IT, +3.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japan Standard Time,JST,+9.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Java Time, JT, +7.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle European Daylight Time,MED,+2.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle European Time,MET,+1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moluccas Time, MT, +8.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mountain Daylight Time,MDT,-6.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mountain Standard Time,MST,-7.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mountain War Time,MWT,-6.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time,NZST,+13.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Zealand Std Time,NZT,+12.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Zealand Summer Time,NZS,+12.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Zealand Time,NZ,+11.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Newfoundland Standard Time,NST,-3.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nome Time, NT, -11.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North Sumatra Time,NST,+6.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pacific Daylight Time,PDT,-7.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pacific Standard Time,PST,-8.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pacific War Time,PWT,-7.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SAD,+10.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SDT,+10.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAST,+9.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAT,+9.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South Sumatra Time,SST,+7.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Universal Time, UT, 0.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USSR Zone 10,UZ10,+11.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USSR Zone 3,USZ3,+4.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USSR Zone 4,USZ4,+5.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USSR Zone 5,USZ5,+6.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USSR Zone 6,USZ6,+7.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>West Africa Time,WAT,-1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yukon Daylight Time,YDT,-8.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yukon Standard Time,YST,-9.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yukon War Time,YWT,-8.0</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Vargas</name>
    <message>
        <source>Rasi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drekkana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chaturthamsa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saptamsa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navamsa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dasamsa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dwadasamsa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shodasamsa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vimsamsa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chaturvimsamsa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nakshatramsa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trimsamsa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Khavedamsa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Akshavedamsa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shashtiamsa</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZoneFollowing</name>
    <message>
        <source>No place of the atlas lies within %1 km: type the zone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nearest place in the atlas: %1, %2 km away, zone %3.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
