<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ta_IN">
<context>
    <name>Application</name>
    <message>
        <source>Application is already running</source>
        <translation>இந்தச் செயலி ஏற்கெனவே இயங்குகிறது</translation>
    </message>
</context>
<context>
    <name>BhavaChart</name>
    <message>
        <source>Asc</source>
        <translation>லக்</translation>
    </message>
    <message>
        <source>%1 rising</source>
        <translation>%1 லக்னம்</translation>
    </message>
    <message>
        <source>House %1, sign %2 %3: %4</source>
        <translation>பாவம் %1, ராசி %2 %3: %4</translation>
    </message>
    <message>
        <source>no planets</source>
        <translation>கிரகங்கள் இல்லை</translation>
    </message>
    <message>
        <source>%1 retrograde</source>
        <translation>%1 வக்கிரம்</translation>
    </message>
    <message>
        <source>(R)</source>
        <translation>(வ)</translation>
    </message>
</context>
<context>
    <name>BirthRules</name>
    <message>
        <source>Please Enter Value Between 0 And 14 in the Zone Hour</source>
        <translation>மண்டல மணியில் 0 முதல் 14 வரை ஒரு மதிப்பை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the Zone Minute</source>
        <translation>மண்டல நிமிடத்தில் 0 முதல் 59 வரை ஒரு மதிப்பை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 179 in the Degree of Longitude</source>
        <translation>தீர்க்கரேகைப் பாகையில் 0 முதல் 179 வரை ஒரு மதிப்பை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Longitude</source>
        <translation>தீர்க்கரேகைக் கலையில் 0 முதல் 59 வரை ஒரு மதிப்பை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 89 in the Degree of Latitude</source>
        <translation>அட்சரேகைப் பாகையில் 0 முதல் 89 வரை ஒரு மதிப்பை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Latitude</source>
        <translation>அட்சரேகைக் கலையில் 0 முதல் 59 வரை ஒரு மதிப்பை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Name</source>
        <translation>பெயரை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>சரியான தேதி அல்லது மாதத்தை உள்ளிடவும்!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>சரியான தேதி அல்லது மாதத்தை உள்ளிடவும் !</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>தயவுசெய்து கோப்பைச் சரிபார்க்கவும்.</translation>
    </message>
</context>
<context>
    <name>ChartBodies</name>
    <message>
        <source>Su</source>
        <translation>சூ</translation>
    </message>
    <message>
        <source>Mo</source>
        <translation>சந்</translation>
    </message>
    <message>
        <source>Ma</source>
        <translation>செவ்</translation>
    </message>
    <message>
        <source>Me</source>
        <translation>பு</translation>
    </message>
    <message>
        <source>Ju</source>
        <translation>கு</translation>
    </message>
    <message>
        <source>Ve</source>
        <translation>சுக்</translation>
    </message>
    <message>
        <source>Sa</source>
        <translation>சனி</translation>
    </message>
    <message>
        <source>Ra</source>
        <translation>ரா</translation>
    </message>
    <message>
        <source>Ke</source>
        <translation>கே</translation>
    </message>
</context>
<context>
    <name>ChartText</name>
    <message>
        <source>Julian Day</source>
        <translation>ஜூலியன் நாள்</translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translation>அயனாம்சம்</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>லக்னம்</translation>
    </message>
    <message>
        <source>Midheaven</source>
        <translation>தசம லக்னம்</translation>
    </message>
    <message>
        <source>House</source>
        <translation>பாவம்</translation>
    </message>
    <message>
        <source>Bhava Madhya</source>
        <translation>பாவ மத்தியம்</translation>
    </message>
    <message>
        <source>Bhava Sandhi</source>
        <translation>பாவ சந்தி</translation>
    </message>
    <message>
        <source>
Note: </source>
        <translation>
குறிப்பு: </translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>கிரகம்</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>நிலை</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>ராசி</translation>
    </message>
    <message>
        <source>Bhava</source>
        <translation>பாவம்</translation>
    </message>
    <message>
        <source>Earlier</source>
        <translation>முன்பு</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>பின்பு</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>நட்சத்திரம்</translation>
    </message>
    <message>
        <source>Pada</source>
        <translation>பாதம்</translation>
    </message>
    <message>
        <source>Lord</source>
        <translation>அதிபதி</translation>
    </message>
    <message>
        <source>
Earlier, Later: the minutes of birth time that put the planet in another Bhava,
the ascendant in another sign; * within 15 minutes. (R) retrograde.
</source>
        <translation>
முன்பு, பின்பு: கிரகத்தை வேறொரு பாவத்துக்கு, லக்னத்தை வேறொரு ராசிக்கு மாற்றும் பிறப்பு நேர நிமிடங்கள்;
* 15 நிமிடங்களுக்குள். (வ) வக்கிரம்.
</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>சக்கரம்</translation>
    </message>
    <message>
        <source>Asc</source>
        <translation>லக்</translation>
    </message>
    <message>
        <source>Window of the ascendant&apos;s sign</source>
        <translation>லக்ன ராசி நிலைக்கும் காலம்</translation>
    </message>
    <message>
        <source>
Vimshottari dasha (a year of %1 days)
</source>
        <translation>
விம்சோத்தரி தசை (ஓர் ஆண்டு = %1 நாள்)
</translation>
    </message>
    <message>
        <source>Balance at birth: </source>
        <translation>பிறப்பில் தசா இருப்பு: </translation>
    </message>
    <message>
        <source>Maha</source>
        <translation>மகா தசை</translation>
    </message>
    <message>
        <source>Antar</source>
        <translation>புக்தி</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>தொடக்கம்</translation>
    </message>
    <message>
        <source>End</source>
        <translation>முடிவு</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>ஊர்</translation>
    </message>
</context>
<context>
    <name>DashaYears</name>
    <message>
        <source>Sidereal (365.256363 days)</source>
        <translation>நட்சத்திர ஆண்டு (365.256363 நாள்)</translation>
    </message>
    <message>
        <source>Julian (365.25 days)</source>
        <translation>ஜூலியன் ஆண்டு (365.25 நாள்)</translation>
    </message>
    <message>
        <source>Savana (360 days)</source>
        <translation>சாவன ஆண்டு (360 நாள்)</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>OK</source>
        <translation>சரி</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>ஆம்(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>இல்லை(&amp;N)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ரத்து</translation>
    </message>
</context>
<context>
    <name>FrmAbout</name>
    <message>
        <source>Kelvaro generates the Houses or Bhavas of your natal chart. Each house is related to to an area in life. This influences the interpretation of your birth chart depending on the position of the different planets in these houses.</source>
        <translation>Kelvaro உங்கள் ஜாதகத்தின் பாவங்களை, அதாவது வீடுகளைக் கணிக்கிறது. ஒவ்வொரு பாவமும் வாழ்க்கையின் ஒரு துறையுடன் தொடர்புடையது. இந்தப் பாவங்களில் வெவ்வேறு கிரகங்கள் நிற்கும் நிலையைப் பொறுத்து உங்கள் ஜாதகப் பலன் அமைகிறது.</translation>
    </message>
    <message>
        <source>Click here to visit </source>
        <translation>பார்வையிட இங்கே சொடுக்கவும்: </translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>வீட்டிலிருந்தே வணிக வாய்ப்பு. உங்கள் சொந்த இணைய வணிகத்தைத் தொடங்கி இணையம் வழியே சம்பாதியுங்கள். இந்த மென்பொருளை முழுமையாக உங்கள் இணையதளத்தின் முத்திரையுடன் பெறுங்கள்.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>மேலும் விவரங்களுக்கு இங்கே சொடுக்கவும்</translation>
    </message>
    <message>
        <source>Planet positions come from Swiss Ephemeris, © Astrodienst AG, under the GNU Affero General Public License 3.0. Kelvaro is free software: you may share and change it under the GNU Affero General Public License, version 3 or later.</source>
        <translation>கிரக நிலைகள் Swiss Ephemeris-இலிருந்து பெறப்படுகின்றன, © Astrodienst AG, GNU Affero General Public License 3.0 உரிமத்தின் கீழ். Kelvaro ஒரு கட்டற்ற மென்பொருள்: GNU Affero General Public License பதிப்பு 3 அல்லது அதற்குப் பிந்தைய பதிப்பின் கீழ் இதைப் பகிரலாம், மாற்றலாம்.</translation>
    </message>
    <message>
        <source>The atlas of places is the GeoNames list of places (geonames.org), under the Creative Commons Attribution 4.0 License (CC BY 4.0).</source>
        <translation>ஊர்களின் அட்லஸ் GeoNames ஊர்ப் பட்டியல் (geonames.org) ஆகும், Creative Commons Attribution 4.0 License (CC BY 4.0) உரிமத்தின் கீழ்.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>சரி(&amp;O)</translation>
    </message>
</context>
<context>
    <name>FrmDisplay</name>
    <message>
        <source>Talk about your chart with fellow astrologers on our online discussion board. Click here to join us.</source>
        <translation>உங்கள் ஜாதகத்தைப் பற்றிச் சக ஜோதிடர்களுடன் எங்கள் இணைய விவாத மன்றத்தில் பேசுங்கள். எங்களுடன் இணைய இங்கே சொடுக்கவும்.</translation>
    </message>
    <message>
        <source>Bhava Chart</source>
        <translation>பாவ சக்கரம்</translation>
    </message>
    <message>
        <source>Julian Day</source>
        <translation>ஜூலியன் நாள்</translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translation>அயனாம்சம்</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>லக்னம்</translation>
    </message>
    <message>
        <source>Midheaven</source>
        <translation>தசம லக்னம்</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>எச்சரிக்கைகள்</translation>
    </message>
    <message>
        <source>House</source>
        <translation>பாவம்</translation>
    </message>
    <message>
        <source>Bhava Madhya</source>
        <translation>பாவ மத்தியம்</translation>
    </message>
    <message>
        <source>Bhava Sandhi</source>
        <translation>பாவ சந்தி</translation>
    </message>
    <message>
        <source>Bhava chart</source>
        <translation>பாவ சக்கரம்</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>சக்கரம்(&amp;C)</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>சக்கரம்</translation>
    </message>
    <message>
        <source>Chart &amp;style</source>
        <translation>சக்கர வடிவம்(&amp;S)</translation>
    </message>
    <message>
        <source>Chart style</source>
        <translation>சக்கர வடிவம்</translation>
    </message>
    <message>
        <source>North Indian</source>
        <translation>வட இந்திய முறை</translation>
    </message>
    <message>
        <source>South Indian</source>
        <translation>தென் இந்திய முறை</translation>
    </message>
    <message>
        <source>Interpretation of Houses</source>
        <translation>பாவங்களின் பலன்கள்</translation>
    </message>
    <message>
        <source>Characteristics Of</source>
        <translation>இயல்புகள்</translation>
    </message>
    <message>
        <source>House Name</source>
        <translation>பாவத்தின் பெயர்</translation>
    </message>
    <message>
        <source>Sanskrit Name</source>
        <translation>சமஸ்கிருதப் பெயர்</translation>
    </message>
    <message>
        <source>Planet Ruler</source>
        <translation>கிரக அதிபதி</translation>
    </message>
    <message>
        <source>Sign Ruler</source>
        <translation>ராசி அதிபதி</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>முக்கியச் சொற்கள்</translation>
    </message>
    <message>
        <source>Mantra</source>
        <translation>மந்திரம்</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>வகை</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>தன்மை</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>தத்துவம்</translation>
    </message>
    <message>
        <source>House Attributes</source>
        <translation>பாவத்தின் பண்புகள்</translation>
    </message>
    <message>
        <source>Planets in Bhavas</source>
        <translation>பாவங்களில் கிரகங்கள்</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>கிரகம்</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>நிலை</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>ராசி</translation>
    </message>
    <message>
        <source>Bhava</source>
        <translation>பாவம்</translation>
    </message>
    <message>
        <source>Minutes earlier</source>
        <translation>நிமிடம் முன்பு</translation>
    </message>
    <message>
        <source>Minutes later</source>
        <translation>நிமிடம் பின்பு</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>நட்சத்திரம்</translation>
    </message>
    <message>
        <source>Pada</source>
        <translation>பாதம்</translation>
    </message>
    <message>
        <source>Lord</source>
        <translation>அதிபதி</translation>
    </message>
    <message>
        <source>Divisional charts</source>
        <translation>வர்க்கச் சக்கரங்கள்</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>சூரியன்</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>சந்திரன்</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>செவ்வாய்</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>புதன்</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>குரு</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>சுக்கிரன்</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>சனி</translation>
    </message>
    <message>
        <source>Rahu</source>
        <translation>ராகு</translation>
    </message>
    <message>
        <source>Ketu</source>
        <translation>கேது</translation>
    </message>
    <message>
        <source>Holds from</source>
        <translation>நிலைப்பு முதல்</translation>
    </message>
    <message>
        <source>Holds to</source>
        <translation>நிலைப்பு வரை</translation>
    </message>
    <message>
        <source>Vimshottari dasha</source>
        <translation>விம்சோத்தரி தசை</translation>
    </message>
    <message>
        <source>Balance at birth</source>
        <translation>பிறப்பில் தசா இருப்பு</translation>
    </message>
    <message>
        <source>Dasha &amp;year</source>
        <translation>தசா ஆண்டு(&amp;Y)</translation>
    </message>
    <message>
        <source>Dasha year</source>
        <translation>தசா ஆண்டு</translation>
    </message>
    <message>
        <source>Dasha periods</source>
        <translation>தசா காலங்கள்</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>காலம்</translation>
    </message>
    <message>
        <source>From</source>
        <translation>முதல்</translation>
    </message>
    <message>
        <source>To</source>
        <translation>வரை</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>சேமி(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>பின்செல்(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>வெளியேறு(&amp;E)</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>வீட்டிலிருந்தே வணிக வாய்ப்பு. உங்கள் சொந்த இணைய வணிகத்தைத் தொடங்கி இணையம் வழியே சம்பாதியுங்கள். இந்த மென்பொருளை முழுமையாக உங்கள் இணையதளத்தின் முத்திரையுடன் பெறுங்கள். மேலும் விவரங்களுக்கு இங்கே சொடுக்கவும்.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. The Help menu tells you how it is done. Click Here for more info on co-branding.</source>
        <translation>உங்கள் தளத்துக்காக இந்த மென்பொருளை இணை-முத்திரையிடுங்கள்.  உங்கள் தளத்தின் மீதான பற்றையும் வருகையையும் பெருக்குங்கள். உங்கள் தளத்தின் பெயரையும் &amp;  இணைப்பையும் இங்கே இடுங்கள். அது எப்படி என்று உதவி மெனு சொல்லும். இணை-முத்திரை பற்றி மேலும் அறிய இங்கே சொடுக்கவும்.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>கோப்பு(&amp;F)</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>அச்சிடு…</translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation>PDF ஏற்றுமதி…</translation>
    </message>
    <message>
        <source>Save Chart Picture…</source>
        <translation>சக்கரப் படத்தைச் சேமி…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>வெளியேறு(&amp;X)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>இணையத்தில் சம்பாதி(&amp;O)</translation>
    </message>
    <message>
        <source>Minutes earlier and later: how far the birth time may be off before the planet stands in another Bhava (for the ascendant: before it rises in another sign). Marked * and highlighted: within 15 minutes, worth checking the recorded birth time. (R): retrograde. Lord: the nakshatra&apos;s lord, who rules its period of the Vimshottari dasha.</source>
        <translation>நிமிடம் முன்பு, பின்பு: கிரகம் வேறொரு பாவத்துக்குச் செல்லும் முன் (லக்னம் என்றால்: வேறொரு ராசியில் உதிக்கும் முன்) பிறப்பு நேரம் எவ்வளவு தவறியிருக்கலாம் என்பது. * குறியும் வண்ணமும்: 15 நிமிடங்களுக்குள்; பதிவான பிறப்பு நேரத்தைச் சரிபார்ப்பது நல்லது. (வ): வக்கிரம். அதிபதி: நட்சத்திர அதிபதி; விம்சோத்தரி தசையில் அவரது காலத்தை ஆள்பவர்.</translation>
    </message>
    <message>
        <source>Holds from and to: the birth times between which the chart&apos;s ascendant keeps its sign. Marked * and highlighted in D1 and D9: within 15 minutes of the birth, worth checking the recorded birth time; the finer charts&apos; windows are short by nature.</source>
        <translation>நிலைப்பு முதல், வரை: சக்கரத்தின் லக்னம் தன் ராசியிலேயே நிற்கும் பிறப்பு நேர எல்லைகள். D1, D9-இல் * குறியும் வண்ணமும்: பிறப்புக்கு 15 நிமிடங்களுக்குள்; பதிவான பிறப்பு நேரத்தைச் சரிபார்ப்பது நல்லது. நுண்ணிய சக்கரங்களின் இடைவெளிகள் இயல்பாகவே குறுகியவை.</translation>
    </message>
    <message>
        <source>earlier</source>
        <translation>முன்னதாக</translation>
    </message>
    <message>
        <source>later</source>
        <translation>பின்னதாக</translation>
    </message>
    <message>
        <source>the ascendant would rise in another sign</source>
        <translation>லக்னம் வேறொரு ராசியில் உதிக்கும்</translation>
    </message>
    <message>
        <source>%1 would stand in another Bhava</source>
        <translation>%1 வேறொரு பாவத்தில் நிற்கும்</translation>
    </message>
    <message>
        <source>more than %1 minutes %2</source>
        <translation>%1 நிமிடங்களுக்கு மேல் %2</translation>
    </message>
    <message>
        <source>Even born four hours %1, %2 would not change.</source>
        <translation>நான்கு மணி நேரம் %1 பிறந்தாலும் %2 மாறாது.</translation>
    </message>
    <message>
        <source>the ascendant&apos;s sign</source>
        <translation>லக்ன ராசி</translation>
    </message>
    <message>
        <source>%1&apos;s Bhava</source>
        <translation>%1 உள்ள பாவம்</translation>
    </message>
    <message>
        <source>%1 minutes %2, within %3 minutes</source>
        <translation>%1 நிமிடம் %2, %3 நிமிடங்களுக்குள்</translation>
    </message>
    <message>
        <source>%1 minutes %2</source>
        <translation>%1 நிமிடம் %2</translation>
    </message>
    <message>
        <source>Born %1 minutes %2, %3.</source>
        <translation>%1 நிமிடம் %2 பிறந்தால், %3.</translation>
    </message>
    <message>
        <source>Marked and opened: the periods running today, %1.</source>
        <translation>குறிக்கப்பட்டுத் திறக்கப்பட்டவை: இன்று நடப்பிலுள்ள காலங்கள், %1.</translation>
    </message>
    <message>
        <source>%1, retrograde</source>
        <translation>%1, வக்கிரம்</translation>
    </message>
    <message>
        <source>%1, nakshatra %2</source>
        <translation>%1, நட்சத்திரம் %2</translation>
    </message>
    <message>
        <source>pada %1</source>
        <translation>பாதம் %1</translation>
    </message>
    <message>
        <source>lord %1</source>
        <translation>அதிபதி %1</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <source>Join our free astrology community on the web. Click here!</source>
        <translation>இணையத்தில் உள்ள எங்கள் இலவச ஜோதிட சமூகத்தில் இணையுங்கள். இங்கே சொடுக்கவும்!</translation>
    </message>
    <message>
        <source>Know what the Bhavas or the Houses of your natal chart have to tell you. Understand your life better witht his software.</source>
        <translation>உங்கள் ஜாதகத்தின் பாவங்கள் எனும் வீடுகள் உங்களுக்குச் சொல்வதை அறியுங்கள். இந்த மென்பொருளால் உங்கள் வாழ்க்கையை நன்கு புரிந்துகொள்ளுங்கள்.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>பெயர்</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>பிறந்த தேதி</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>மாதம்</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>நாள்</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>ஆண்டு</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>பிறந்த நேரம்</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>மணி</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>நிமிடம்</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>வினாடி</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation>மணி:நிமி:வினா</translation>
    </message>
    <message>
        <source>Birth place</source>
        <translation>பிறந்த ஊர்</translation>
    </message>
    <message>
        <source>Reading the atlas of places...</source>
        <translation>ஊர்களின் அட்லஸ் படிக்கப்படுகிறது...</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>நேர மண்டலம்</translation>
    </message>
    <message>
        <source>Zone hour</source>
        <translation>மண்டல மணி</translation>
    </message>
    <message>
        <source>Zone minutes</source>
        <translation>மண்டல நிமிடங்கள்</translation>
    </message>
    <message>
        <source>TZ Help</source>
        <translation>மண்டல உதவி</translation>
    </message>
    <message>
        <source>DST</source>
        <translation>பகலொளி சேமிப்பு</translation>
    </message>
    <message>
        <source>Zone direction</source>
        <translation>மண்டல திசை</translation>
    </message>
    <message>
        <source>Zone direction: from the longitude (East ahead of universal time, West behind), or as chosen</source>
        <translation>மண்டல திசை: தீர்க்கரேகையிலிருந்து (கிழக்கு என்றால் சர்வதேச நேரத்துக்கு முன்னால், மேற்கு என்றால் பின்னால்), அல்லது தேர்ந்தெடுத்தபடி</translation>
    </message>
    <message>
        <source>From longitude</source>
        <translation>தீர்க்கரேகைப்படி</translation>
    </message>
    <message>
        <source>Ahead of UT</source>
        <translation>UT-க்கு முன்</translation>
    </message>
    <message>
        <source>Behind UT</source>
        <translation>UT-க்குப் பின்</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>நிமி</translation>
    </message>
    <message>
        <source>Offset used</source>
        <translation>பயன்பட்ட நேர வேறுபாடு</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>அட்சரேகை</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>அட்சரேகை பாகைகள்</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>பாகை</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>அட்சரேகை கலைகள்</translation>
    </message>
    <message>
        <source>North</source>
        <translation>வடக்கு</translation>
    </message>
    <message>
        <source>South</source>
        <translation>தெற்கு</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>தீர்க்கரேகை</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>தீர்க்கரேகை பாகைகள்</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>தீர்க்கரேகை கலைகள்</translation>
    </message>
    <message>
        <source>East</source>
        <translation>கிழக்கு</translation>
    </message>
    <message>
        <source>West</source>
        <translation>மேற்கு</translation>
    </message>
    <message>
        <source>Use Its Zone</source>
        <translation>மண்டலத்தை ஏற்று</translation>
    </message>
    <message>
        <source>City</source>
        <translation>நகரம்</translation>
    </message>
    <message>
        <source>State</source>
        <translation>மாநிலம்</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>நாடு</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>அட்சரேகை &amp;&amp; தீர்க்கரேகை அறிய இங்கே சொடுக்கவும்</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>முன்பு சேமித்த பலனைத் திற(&amp;O)</translation>
    </message>
    <message>
        <source>Get My Bhava Chart Reading</source>
        <translation>என் பாவ சக்கரப் பலனைக் காட்டு</translation>
    </message>
    <message>
        <source>Co-brand this software for your site. Give it to your visitors with your own name, logo and web address on it. Click here for more details.</source>
        <translation>உங்கள் தளத்துக்காக இந்த மென்பொருளை இணை-முத்திரையிடுங்கள். உங்கள் சொந்தப் பெயர், சின்னம், இணைய முகவரியுடன் உங்கள் வருகையாளர்களுக்கு வழங்குங்கள். மேலும் விவரங்களுக்கு இங்கே சொடுக்கவும்.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>வீட்டிலிருந்தே வணிக வாய்ப்பு. உங்கள் சொந்த இணைய வணிகத்தைத் தொடங்கி இணையம் வழியே சம்பாதியுங்கள். இந்த மென்பொருளை முழுமையாக உங்கள் இணையதளத்தின் முத்திரையுடன் பெறுங்கள். மேலும் விவரங்களுக்கு இங்கே சொடுக்கவும்.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>கோப்பு(&amp;F)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>வெளியேறு(&amp;X)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>இணையத்தில் சம்பாதி(&amp;O)</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>நகரத்தை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>மாநிலத்தை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>நாட்டை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>The atlas of places could not be read</source>
        <translation>ஊர்களின் அட்லஸைப் படிக்க இயலவில்லை</translation>
    </message>
    <message>
        <source>City of birth: type its name</source>
        <translation>பிறந்த நகரம்: அதன் பெயரைத் தட்டச்சு செய்யவும்</translation>
    </message>
    <message>
        <source>No place matches</source>
        <translation>பொருந்தும் ஊர் இல்லை</translation>
    </message>
    <message>
        <source>1 place matches</source>
        <translation>1 ஊர் பொருந்துகிறது</translation>
    </message>
    <message>
        <source>%1 places match</source>
        <translation>%1 ஊர்கள் பொருந்துகின்றன</translation>
    </message>
    <message>
        <source>%1; Return chooses %2, %3 of %4</source>
        <translation>%1; Return விசை %2-ஐத் தேர்கிறது, %4-இல் %3</translation>
    </message>
    <message>
        <source>%1; Return chooses %2, Down goes through the list</source>
        <translation>%1; Return விசை %2-ஐத் தேர்கிறது, Down விசை பட்டியலில் நகர்த்தும்</translation>
    </message>
</context>
<context>
    <name>FrmReferral</name>
    <message>
        <source>Programs like Kelvaro can only be written and kept up to date with your support. The best way to support us is to visit the Orvenna Softwares community often and join in its discussions.</source>
        <translation>Kelvaro போன்ற நிரல்களை உங்கள் ஆதரவால் மட்டுமே எழுதவும் புதுப்பித்து வைக்கவும் முடியும். எங்களை ஆதரிக்கச் சிறந்த வழி, Orvenna Softwares சமூகத்தை அடிக்கடி பார்வையிட்டு அதன் விவாதங்களில் பங்கேற்பதே.</translation>
    </message>
    <message>
        <source>Please visit the Orvenna Softwares community regularly and take part in its discussions. Without your visits we cannot keep programs like this one going.</source>
        <translation>Orvenna Softwares சமூகத்தைத் தொடர்ந்து பார்வையிட்டு அதன் விவாதங்களில் பங்கேற்கவும். உங்கள் வருகை இல்லாமல் இது போன்ற நிரல்களைத் தொடர்ந்து நடத்த முடியாது.</translation>
    </message>
    <message>
        <source>The Orvenna Softwares community is a free online discussion forum. Each visit you make there helps us develop and maintain Kelvaro.</source>
        <translation>Orvenna Softwares சமூகம் ஓர் இலவச இணைய விவாத மன்றம். அங்கே நீங்கள் செய்யும் ஒவ்வொரு வருகையும் Kelvaro-வை உருவாக்கவும் பராமரிக்கவும் எங்களுக்கு உதவுகிறது.</translation>
    </message>
    <message>
        <source>Our community needs your help. All we ask is that you visit it regularly and take part in its discussions.</source>
        <translation>எங்கள் சமூகத்துக்கு உங்கள் உதவி தேவை. அதைத் தொடர்ந்து பார்வையிட்டு அதன் விவாதங்களில் பங்கேற்க வேண்டும் என்பதே எங்கள் ஒரே வேண்டுகோள்.</translation>
    </message>
    <message>
        <source>Yes, take me to the Orvenna Softwares community at </source>
        <translation>ஆம், இப்போதே என்னை Orvenna Softwares சமூகத்துக்கு அழைத்துச் செல்: </translation>
    </message>
    <message>
        <source> now.</source>
        <translation> — இப்போதே.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>வெளியேறு(&amp;X)</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>நண்பருக்குப் பரிந்துரை</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>இப்போதே பரிந்துரை(&amp;N)</translation>
    </message>
    <message>
        <source>Download Orvenna Softwares</source>
        <translation>Orvenna Softwares பதிவிறக்கம்</translation>
    </message>
    <message>
        <source>Try the other programs from Orvenna Softwares: astrology, psychic, tarot, numerology and occult software, simple to use and full of information.</source>
        <translation>Orvenna Softwares-இன் பிற நிரல்களையும் முயன்று பாருங்கள்: ஜோதிடம், உள்ளுணர்வு, டாரட், எண் கணிதம், அமானுஷ்யம் குறித்த மென்பொருள்கள், எளிதில் பயன்படுத்தக்கூடியவை, தகவல் நிறைந்தவை.</translation>
    </message>
    <message>
        <source>Click Here To Visit Orvenna Softwares</source>
        <translation>Orvenna Softwares தளத்தைப் பார்வையிட இங்கே சொடுக்கவும்</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>மின்னஞ்சல் முகவரியில் இடைவெளி இருக்கக்கூடாது</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>உங்கள் பெயரை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>உங்கள் மின்னஞ்சலை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>உங்கள் செய்தியை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>நண்பரின் பெயரை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>நண்பரின் மின்னஞ்சலை உள்ளிடவும்</translation>
    </message>
</context>
<context>
    <name>FrmTimeZone</name>
    <message>
        <source>Time zones</source>
        <translation>நேர மண்டலங்கள்</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>மூடு(&amp;Q)</translation>
    </message>
</context>
<context>
    <name>HouseCatalogue</name>
    <message>
        <source>The House of Identity</source>
        <translation>சுய அடையாளத்தின் பாவம்</translation>
    </message>
    <message>
        <source>Tanu Bhava / Lagna Bhava</source>
        <translation>தனு பாவம் / லக்ன பாவம்</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>செவ்வாய்</translation>
    </message>
    <message>
        <source>Aries</source>
        <translation>மேஷம்</translation>
    </message>
    <message>
        <source>Outer-Self, Superficial Traits, Physical Appearance</source>
        <translation>வெளிப்புறச் சுயம், மேலோட்டமான பண்புகள், உடல் தோற்றம்</translation>
    </message>
    <message>
        <source>To Be</source>
        <translation>இருத்தல்</translation>
    </message>
    <message>
        <source>Much can be determined about someone’s personality from this house. It stands for your self, the individuality that sets you apart from everyone else, and the way you meet the world before a single word is spoken.  The sign on its cusp is your rising sign, the Lagna, which colours your outward appearance and the image you project to those you meet. This house also shows the silent, non-verbal bond you form with your surroundings. Many astrologers call it the most vital house of the chart, because every other house is counted from it. In the body it rules your physique and general health, the head, the face and the complexion, and your early years.  </source>
        <translation>இந்தப் பாவத்திலிருந்து ஒருவரின் ஆளுமையைப் பற்றி நிறைய அறியலாம். இது உங்களையே குறிக்கிறது: மற்ற எல்லோரிடமிருந்தும் உங்களைத் தனித்துக் காட்டும் தனித்தன்மையையும், ஒரு சொல்லும் பேசும் முன்பே நீங்கள் உலகை எதிர்கொள்ளும் விதத்தையும்.  இதன் தொடக்கப் புள்ளியில் உள்ள ராசியே உங்கள் லக்னம்; உங்கள் வெளித்தோற்றத்துக்கும், நீங்கள் சந்திப்பவர்களிடம் நீங்கள் ஏற்படுத்தும் பிம்பத்துக்கும் அதுவே வண்ணம் தருகிறது. உங்கள் சூழலுடன் நீங்கள் கொள்ளும் சொல்லில்லாத, மௌனமான பிணைப்பையும் இந்தப் பாவம் காட்டுகிறது. மற்ற எல்லாப் பாவங்களும் இதிலிருந்தே எண்ணப்படுவதால், பல ஜோதிடர்கள் இதை ஜாதகத்தின் மிக முக்கியமான பாவம் என்கின்றனர். உடலில் இது உங்கள் உடலமைப்பையும் பொது ஆரோக்கியத்தையும், தலை, முகம், மேனி நிறம் ஆகியவற்றையும், உங்கள் இளமைப் பருவத்தையும் ஆள்கிறது.  </translation>
    </message>
    <message>
        <source>The House of Finances</source>
        <translation>செல்வத்தின் பாவம்</translation>
    </message>
    <message>
        <source>Dhana Bhava</source>
        <translation>தன பாவம்</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>சுக்கிரன்</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>ரிஷபம்</translation>
    </message>
    <message>
        <source>Money, Self-Worth, Vitality</source>
        <translation>பணம், சுயமதிப்பு, உயிர்ச்சக்தி</translation>
    </message>
    <message>
        <source>To Have</source>
        <translation>உடைமை கொள்ளுதல்</translation>
    </message>
    <message>
        <source>This house is traditionally known as the house of material possessions and wealth. It shows how you handle your resources: what you earn, what you keep and what slips through your fingers. Your material goals, your finances and the gains or losses you meet along the way are all read from here, and a well-aspected second house promises steady, lasting growth. Yet the second house is about more than money, for it also describes your self-esteem, the value you place on yourself and on what you possess. Traditionally it points to the servants and helpers who support your household, and to the natural talents you can turn into income, your “inner wealth”. In the body it governs the eyesight and the throat. </source>
        <translation>இந்தப் பாவம் பாரம்பரியமாகப் பொருள் உடைமைகளுக்கும் செல்வத்துக்கும் உரிய பாவம் எனப்படுகிறது. நீங்கள் ஈட்டுவது, சேர்த்து வைப்பது, விரல்களுக்கிடையே நழுவிப் போவது என உங்கள் வளங்களை நீங்கள் கையாளும் விதத்தை இது காட்டுகிறது. உங்கள் பொருளாதார இலக்குகள், நிதிநிலை, வழியில் சந்திக்கும் லாப நஷ்டங்கள் அனைத்தும் இங்கிருந்தே அறியப்படுகின்றன; நல்ல பார்வை பெற்ற இரண்டாம் பாவம் சீரான, நிலையான வளர்ச்சியை உறுதியளிக்கிறது. ஆனால் இரண்டாம் பாவம் பணத்தைப் பற்றியது மட்டுமல்ல; உங்கள் சுயமதிப்பையும், உங்களுக்கும் உங்கள் உடைமைகளுக்கும் நீங்கள் அளிக்கும் மதிப்பையும் இது விவரிக்கிறது. உங்கள் இல்லத்துக்குத் துணை நிற்கும் பணியாளர்களையும் உதவியாளர்களையும், வருமானமாக மாற்றக்கூடிய உங்கள் இயல்பான திறமைகளான “உள்ளார்ந்த செல்வத்தையும்” பாரம்பரியமாக இது சுட்டுகிறது. உடலில் இது கண்பார்வையையும் தொண்டையையும் ஆள்கிறது. </translation>
    </message>
    <message>
        <source>The House of Communication  </source>
        <translation>தொடர்பின் பாவம்  </translation>
    </message>
    <message>
        <source>Sahaj Bhava / Vikrama Bhava</source>
        <translation>சகஜ பாவம் / விக்கிரம பாவம்</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>புதன்</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>மிதுனம்</translation>
    </message>
    <message>
        <source>Education, Communication, Relationships</source>
        <translation>கல்வி, தொடர்பு, உறவுகள்</translation>
    </message>
    <message>
        <source>To Communicate</source>
        <translation>தொடர்பு கொள்ளுதல்</translation>
    </message>
    <message>
        <source>This house corresponds to your power of communication. When its lord is well placed, or when benefics occupy it, you speak with ease and write with skill and clarity, and your words carry real weight with others. It reveals your attitude to risk, whether you follow convention or prefer to test its limits and go your own way. The third house also rules your younger brothers and sisters, your neighbours and the many short trips that fill your daily life. It shows your stamina and courage, and the quick, curious intellect that learns by asking questions and won’t rest until it understands. In the body it governs the right ear and the shoulders. </source>
        <translation>இந்தப் பாவம் உங்கள் கருத்துப் பரிமாற்றத் திறனுக்கு உரியது. இதன் அதிபதி நல்ல நிலையில் இருந்தாலோ, சுபக் கிரகங்கள் இதில் அமர்ந்திருந்தாலோ, நீங்கள் எளிதாகப் பேசுவீர்கள், திறமையுடனும் தெளிவுடனும் எழுதுவீர்கள், உங்கள் சொற்களுக்குப் பிறரிடம் உண்மையான மதிப்பு இருக்கும். துணிந்து செயல்படுவதில் உங்கள் மனப்பான்மையையும் இது வெளிப்படுத்துகிறது: மரபைப் பின்பற்றுவீர்களா, அல்லது அதன் எல்லைகளைச் சோதித்துத் தனி வழியில் செல்வீர்களா என்பதை. மூன்றாம் பாவம் உங்கள் இளைய சகோதர சகோதரிகளையும், அண்டை வீட்டாரையும், அன்றாட வாழ்வை நிரப்பும் பல குறுகிய பயணங்களையும் ஆள்கிறது. உங்கள் உடல் வலிமையையும் தைரியத்தையும், கேள்விகள் கேட்டுக் கற்கும், புரிந்துகொள்ளும் வரை ஓயாத விரைவான, ஆர்வமுள்ள அறிவையும் இது காட்டுகிறது. உடலில் இது வலது காதையும் தோள்களையும் ஆள்கிறது. </translation>
    </message>
    <message>
        <source>The House of Family</source>
        <translation>குடும்பத்தின் பாவம்</translation>
    </message>
    <message>
        <source>Matru Bhava / Bandhu Bhava</source>
        <translation>மாத்ரு பாவம் / பந்து பாவம்</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>சந்திரன்</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>கடகம்</translation>
    </message>
    <message>
        <source>Home, Family, Caring</source>
        <translation>இல்லம், குடும்பம், பராமரிப்பு</translation>
    </message>
    <message>
        <source>To Belong </source>
        <translation>சார்ந்திருத்தல் </translation>
    </message>
    <message>
        <source>This house is also known as ‘Matristhan’ in India or the house referring to your mother. It describes her influence on you and the emotional security you draw from your roots, which no success can replace. Here you find your need for privacy, the inner happiness that comes from feeling at home and the domestic comforts you gather about you, from property and land to vehicles. The fourth house rules your home and the bonds that tie your family together, as well as the heritage and traditions you carry forward into the generations to come. It speaks of your childhood and, at the other end of life, of your old age and the peace you hope to find there. In the body it governs the chest, the respiratory organs and the stomach. </source>
        <translation>இந்தப் பாவம் இந்தியாவில் ‘மாத்ருஸ்தானம்’, அதாவது தாயைக் குறிக்கும் பாவம் என்றும் அழைக்கப்படுகிறது. உங்கள் மீது தாயின் தாக்கத்தையும், எந்த வெற்றியாலும் ஈடுசெய்ய முடியாத, உங்கள் வேர்களிலிருந்து நீங்கள் பெறும் மனப் பாதுகாப்பையும் இது விவரிக்கிறது. தனிமைக்கான உங்கள் தேவை, சொந்த வீட்டில் இருக்கும் உணர்விலிருந்து பிறக்கும் உள்மகிழ்ச்சி, சொத்து, நிலம் முதல் வாகனங்கள் வரை நீங்கள் சேர்க்கும் இல்ல வசதிகள் ஆகியவற்றை இங்கே காணலாம். நான்காம் பாவம் உங்கள் வீட்டையும், குடும்பத்தை ஒன்றாகப் பிணைக்கும் உறவுகளையும், வரும் தலைமுறைகளுக்கு நீங்கள் கொண்டு செல்லும் மரபுகளையும் பாரம்பரியங்களையும் ஆள்கிறது. இது உங்கள் குழந்தைப் பருவத்தைப் பற்றியும், வாழ்வின் மறுமுனையில் உங்கள் முதுமையையும் அப்போது நீங்கள் நாடும் அமைதியையும் பற்றியும் பேசுகிறது. உடலில் இது மார்பு, சுவாச உறுப்புகள், வயிறு ஆகியவற்றை ஆள்கிறது. </translation>
    </message>
    <message>
        <source>The House of Pleasures</source>
        <translation>இன்பங்களின் பாவம்</translation>
    </message>
    <message>
        <source>Sukha Bhava / Budhi Bhava</source>
        <translation>சுக பாவம் / புத்தி பாவம்</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>சூரியன்</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>சிம்மம்</translation>
    </message>
    <message>
        <source>Creativity, Romance, Hobbies</source>
        <translation>படைப்பாற்றல், காதல், பொழுதுபோக்குகள்</translation>
    </message>
    <message>
        <source>To Create</source>
        <translation>படைத்தல்</translation>
    </message>
    <message>
        <source>This house signifies the place of love affairs, how you will relate to your fiancé and romantic attachments in your life. It is also the house of the intellect: your capacity to learn, your education and the judgement that grows from patient study. Creativity and self-expression belong here, whether you paint, write, perform or simply play, and so do the hobbies that make you feel truly alive. The fifth house is the house of children, showing your bonds with them and how wisely you guide their upbringing. A strong fifth house brings joy through “the things you make”, whether they are works of art or sons and daughters. In the body it governs the liver, the heart and the spleen. </source>
        <translation>இந்தப் பாவம் காதல் உறவுகளின் இடம்: நிச்சயிக்கப்பட்ட துணையுடனும் வாழ்வின் காதல் பிணைப்புகளுடனும் நீங்கள் எப்படி உறவாடுவீர்கள் என்பதை இது காட்டுகிறது. இது அறிவின் பாவமும் கூட: உங்கள் கற்கும் திறன், உங்கள் கல்வி, பொறுமையான படிப்பிலிருந்து வளரும் விவேகம். ஓவியம், எழுத்து, மேடைக்கலை அல்லது வெறும் விளையாட்டு என எதுவானாலும் படைப்பாற்றலும் சுய வெளிப்பாடும் இங்கே அடங்கும்; உங்களை உண்மையிலேயே உயிர்ப்புடன் உணரவைக்கும் பொழுதுபோக்குகளும் அப்படியே. ஐந்தாம் பாவம் புத்திர பாவம்; குழந்தைகளுடன் உங்கள் பிணைப்பையும், அவர்களை எவ்வளவு ஞானத்துடன் வளர்க்கிறீர்கள் என்பதையும் காட்டுகிறது. வலுவான ஐந்தாம் பாவம், கலைப்படைப்புகளோ மகன்களும் மகள்களுமோ, “நீங்கள் உருவாக்குபவை” மூலம் மகிழ்ச்சியைத் தருகிறது. உடலில் இது கல்லீரல், இதயம், மண்ணீரல் ஆகியவற்றை ஆள்கிறது. </translation>
    </message>
    <message>
        <source>The House of Health</source>
        <translation>ஆரோக்கியத்தின் பாவம்</translation>
    </message>
    <message>
        <source>Shatru Bhava / Kashta Bhava</source>
        <translation>சத்ரு பாவம் / கஷ்ட பாவம்</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>கன்னி</translation>
    </message>
    <message>
        <source>Health, Service, Work</source>
        <translation>ஆரோக்கியம், சேவை, பணி</translation>
    </message>
    <message>
        <source>To Serve</source>
        <translation>சேவை செய்தல்</translation>
    </message>
    <message>
        <source>This house indicates the skills we possess and the kind of work compatible with those abilities. It describes your workplace and your daily routines, how you get along with your colleagues and how you relate to your employer. Enemies, rivals and the obstacles you must overcome are read from this house, and so are litigation and the disputes that end up before a judge. Because it rules service and duty, it shows how you cope with pressure in your working day and whether you let it turn into stress or worry. It is also the house of diseases, indicating your resistance to illness and the care your body needs to stay healthy, calm and strong. In the body it governs the kidney, the uterus and the intestine. </source>
        <translation>இந்தப் பாவம் நம்மிடம் உள்ள திறமைகளையும், அவற்றுக்கு ஏற்ற பணியின் வகையையும் சுட்டுகிறது. உங்கள் பணியிடம், அன்றாட நடைமுறைகள், சக ஊழியர்களுடன் நீங்கள் பழகும் விதம், முதலாளியுடன் உங்கள் உறவு ஆகியவற்றை இது விவரிக்கிறது. எதிரிகள், போட்டியாளர்கள், நீங்கள் கடக்க வேண்டிய தடைகள் இந்தப் பாவத்திலிருந்து அறியப்படுகின்றன; வழக்குகளும் நீதிமன்றம் வரை செல்லும் தகராறுகளும் அப்படியே. சேவையையும் கடமையையும் இது ஆள்வதால், பணி நாளின் நெருக்கடியை நீங்கள் எப்படிச் சமாளிக்கிறீர்கள், அதை மன அழுத்தமாகவோ கவலையாகவோ மாற விடுகிறீர்களா என்பதை இது காட்டுகிறது. இது நோய்களின் பாவமும் கூட; நோயை எதிர்க்கும் உங்கள் ஆற்றலையும், உடல் ஆரோக்கியமாக, அமைதியாக, வலுவாக இருக்கத் தேவையான கவனிப்பையும் இது சுட்டுகிறது. உடலில் இது சிறுநீரகம், கருப்பை, குடல் ஆகியவற்றை ஆள்கிறது. </translation>
    </message>
    <message>
        <source>The House of Partnerships</source>
        <translation>கூட்டுறவின் பாவம்</translation>
    </message>
    <message>
        <source>Dara Bhava / Kalathra Bhava</source>
        <translation>தார பாவம் / களத்திர பாவம்</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>துலாம்</translation>
    </message>
    <message>
        <source>Agreements, Partnerships, Marriage</source>
        <translation>ஒப்பந்தங்கள், கூட்டுறவுகள், திருமணம்</translation>
    </message>
    <message>
        <source>To Relate</source>
        <translation>உறவாடுதல்</translation>
    </message>
    <message>
        <source>This house is commonly believed to define our conjugal life, the king of persons we are inclined to choose as a marriage partner and woes or happiness regarding your relationship with your spouse. Its reach goes beyond marriage, though: it governs every business partnership you enter and the contracts that bind you to others.  It shows how you relate to your peers, whether you meet them as true equals and what you expect from them in return. Open rivals are also read here, since they are partners of a kind. When the lord of the seventh house is well placed, you may look forward to a loyal spouse and a lasting union. In the body it governs the genitals. </source>
        <translation>இந்தப் பாவம் நம் இல்லற வாழ்க்கையை வரையறுப்பதாகப் பொதுவாக நம்பப்படுகிறது: திருமணத் துணையாக நாம் தேர்ந்தெடுக்க விரும்பும் நபரின் இயல்பையும், வாழ்க்கைத் துணையுடனான உறவில் வரும் துன்பங்களையும் இன்பங்களையும். ஆனால் இதன் எல்லை திருமணத்தைத் தாண்டியது: நீங்கள் ஈடுபடும் ஒவ்வொரு வணிகக் கூட்டையும், உங்களைப் பிறருடன் பிணைக்கும் ஒப்பந்தங்களையும் இது ஆள்கிறது.  உங்களுக்கு நிகரானவர்களுடன் நீங்கள் எப்படி உறவாடுகிறீர்கள், அவர்களை உண்மையிலேயே சமமாகச் சந்திக்கிறீர்களா, பதிலுக்கு அவர்களிடம் என்ன எதிர்பார்க்கிறீர்கள் என்பதை இது காட்டுகிறது. வெளிப்படையான எதிரிகளும் ஒருவகைக் கூட்டாளிகளே என்பதால் அவர்களும் இங்கே அறியப்படுகின்றனர். ஏழாம் அதிபதி நல்ல நிலையில் இருந்தால், விசுவாசமான வாழ்க்கைத் துணையையும் நீடித்த இணைவையும் எதிர்பார்க்கலாம். உடலில் இது பிறப்புறுப்புகளை ஆள்கிறது. </translation>
    </message>
    <message>
        <source>The House of Accidents and Death</source>
        <translation>விபத்துகளும் மரணமும் குறிக்கும் பாவம்</translation>
    </message>
    <message>
        <source>Marna Bhava / Ayur Bhava</source>
        <translation>மரண பாவம் / ஆயுள் பாவம்</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>விருச்சிகம்</translation>
    </message>
    <message>
        <source>Sex, Possessions, Death</source>
        <translation>பாலுணர்வு, உடைமைகள், மரணம்</translation>
    </message>
    <message>
        <source>To Transform</source>
        <translation>உருமாறுதல்</translation>
    </message>
    <message>
        <source>This house corresponds to the sexual nature of a person. It is also known as the house of death, and it indicates your longevity, the dangers you might face and even the risk of imprisonment. Above all it is the house of transformation: the life-changing events that end one chapter and begin another. It holds your secrets and hidden fears, including the phobias you may not admit even to yourself, and your urge to probe what others conceal. Inheritance, legacies and other unconventional income, money that comes through others rather than from your own labour, are read here as well. In the body it governs the sexual organs. </source>
        <translation>இந்தப் பாவம் ஒருவரின் பாலியல் இயல்புக்கு உரியது. இது மரணத்தின் பாவம் என்றும் அழைக்கப்படுகிறது; உங்கள் ஆயுளையும், நீங்கள் சந்திக்கக்கூடிய ஆபத்துகளையும், சிறைவாசத்துக்கான வாய்ப்பையும் கூட இது சுட்டுகிறது. எல்லாவற்றுக்கும் மேலாக இது உருமாற்றத்தின் பாவம்: ஒரு அத்தியாயத்தை முடித்து இன்னொன்றைத் தொடங்கும், வாழ்க்கையையே மாற்றும் நிகழ்வுகள். உங்களுக்கே நீங்கள் ஒப்புக்கொள்ளாத அச்சங்கள் உட்பட உங்கள் ரகசியங்களையும் மறைந்த பயங்களையும், பிறர் மறைப்பதை ஆராய்ந்தறியும் உங்கள் ஆவலையும் இது கொண்டுள்ளது. பரம்பரைச் சொத்து, உயில் வழி வரும் சொத்து, உங்கள் சொந்த உழைப்பால் அல்லாமல் பிறர் மூலம் வரும் பணம் போன்ற வழக்கத்துக்கு மாறான வருமானங்களும் இங்கே அறியப்படுகின்றன. உடலில் இது பாலுறுப்புகளை ஆள்கிறது. </translation>
    </message>
    <message>
        <source>The House of Fate</source>
        <translation>விதியின் பாவம்</translation>
    </message>
    <message>
        <source>Dharma Bhava</source>
        <translation>தர்ம பாவம்</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>குரு</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>தனுசு</translation>
    </message>
    <message>
        <source>Travel, Philosophy, Higher Mind</source>
        <translation>பயணம், தத்துவம், உயர் சிந்தனை</translation>
    </message>
    <message>
        <source>To Explore</source>
        <translation>ஆராய்தல்</translation>
    </message>
    <message>
        <source>This house of your natal chart defines the values you follow throughout your life, philosophic understanding of this world as well as your religious orientation. It is the house of luck and fortune, showing where grace finds you without effort and blessings arrive unasked. Higher education, study and the teachers who widen your horizons belong here, along with the prosperity and fame they can bring. It reveals your intuition and the long journeys, outward and inward, that shape your outlook. The ninth house also speaks of your grandchildren and of the dreams you hold for the future, the vision of a life lived well. </source>
        <translation>உங்கள் ஜாதகத்தின் இந்தப் பாவம், வாழ்நாள் முழுவதும் நீங்கள் பின்பற்றும் விழுமியங்களையும், இந்த உலகைப் பற்றிய உங்கள் தத்துவப் புரிதலையும், உங்கள் சமய நாட்டத்தையும் வரையறுக்கிறது. இது பாக்கியத்தின், அதிர்ஷ்டத்தின் பாவம்; முயற்சியின்றியே அருள் உங்களைத் தேடி வரும், கேட்காமலே ஆசிகள் வந்து சேரும் இடங்களை இது காட்டுகிறது. உயர்கல்வி, ஆய்வு, உங்கள் பார்வையை விரிவாக்கும் ஆசிரியர்கள், அவர்கள் கொண்டுவரக்கூடிய செழிப்பும் புகழும் இங்கே அடங்கும். உங்கள் உள்ளுணர்வையும், உங்கள் கண்ணோட்டத்தை வடிவமைக்கும் புறமும் அகமுமான நீண்ட பயணங்களையும் இது வெளிப்படுத்துகிறது. ஒன்பதாம் பாவம் உங்கள் பேரக்குழந்தைகளைப் பற்றியும், எதிர்காலத்துக்காக நீங்கள் கொண்டுள்ள கனவுகளைப் பற்றியும், நன்கு வாழ்ந்த வாழ்க்கை என்ற பார்வையைப் பற்றியும் பேசுகிறது. </translation>
    </message>
    <message>
        <source>The House of Career</source>
        <translation>தொழிலின் பாவம்</translation>
    </message>
    <message>
        <source>Karma Bhava / Shubha Bhava</source>
        <translation>கர்ம பாவம் / சுப பாவம்</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>சனி</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>மகரம்</translation>
    </message>
    <message>
        <source>Ambition, Career, Public Image</source>
        <translation>லட்சியம், தொழில், பொதுப் பிம்பம்</translation>
    </message>
    <message>
        <source>To Achieve</source>
        <translation>சாதித்தல்</translation>
    </message>
    <message>
        <source>This house of tells about your career and your orientation regarding work and employment. It shows the lasting relationships you build at all levels of your professional life and the achievements for which you will be remembered. It is also the house of your father and of his influence on the path you choose. Your reputation and the public image you present take their shape here, at the peak of the chart. When benefics occupy it, you rise to positions of authority and win honour and respect, and your name becomes known. In the body it governs the hair, the knees, the bones, the joints and the spine.  </source>
        <translation>இந்தப் பாவம் உங்கள் தொழிலையும், பணி, வேலைவாய்ப்பு குறித்த உங்கள் நாட்டத்தையும் பற்றிச் சொல்கிறது. உங்கள் தொழில் வாழ்வின் எல்லா நிலைகளிலும் நீங்கள் உருவாக்கும் நீடித்த உறவுகளையும், உங்களை நினைவில் நிறுத்தும் சாதனைகளையும் இது காட்டுகிறது. இது உங்கள் தந்தையின் பாவமும் கூட; நீங்கள் தேர்ந்தெடுக்கும் பாதையில் அவரது தாக்கத்தையும் காட்டுகிறது. உங்கள் நற்பெயரும் நீங்கள் வெளிப்படுத்தும் பொதுப் பிம்பமும் ஜாதகத்தின் உச்சியான இங்கேயே உருவாகின்றன. சுபக் கிரகங்கள் இதில் அமர்ந்திருந்தால், அதிகாரப் பதவிகளுக்கு உயர்ந்து, மதிப்பும் மரியாதையும் பெறுவீர்கள்; உங்கள் பெயர் பிரபலமாகும். உடலில் இது முடி, முழங்கால்கள், எலும்புகள், மூட்டுகள், முதுகெலும்பு ஆகியவற்றை ஆள்கிறது.  </translation>
    </message>
    <message>
        <source>The House of Hopes</source>
        <translation>நம்பிக்கைகளின் பாவம்</translation>
    </message>
    <message>
        <source>Labha Bhava / Aya Bhava</source>
        <translation>லாப பாவம் / ஆய பாவம்</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>யுரேனஸ்</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>கும்பம்</translation>
    </message>
    <message>
        <source>Friends, Hopes, Goals</source>
        <translation>நண்பர்கள், நம்பிக்கைகள், இலக்குகள்</translation>
    </message>
    <message>
        <source>To Innovate</source>
        <translation>புதுமை படைத்தல்</translation>
    </message>
    <message>
        <source>This house is traditionally known as the house of income. It shows your monetary gains, particularly those that come from your work and your connections. Your sociability and the goals you set for yourself are read here, along with the humanitarian and political interests that draw you into groups. The eleventh house rules your friends and your popularity, and how far your hopes are fulfilled through them. It also speaks of adoption and of step-children, the family you choose rather than the one you are born into. A well-placed lord of this house lets your earnings grow steadily. In the body it governs the teeth, the left ear, the ankles and the legs. </source>
        <translation>இந்தப் பாவம் பாரம்பரியமாக வருமானத்தின் பாவம் எனப்படுகிறது. உங்கள் பண லாபங்களை, குறிப்பாக உங்கள் உழைப்பாலும் தொடர்புகளாலும் வருபவற்றை, இது காட்டுகிறது. உங்கள் சமூகப் பழக்கமும், நீங்கள் உங்களுக்கு வகுத்துக்கொள்ளும் இலக்குகளும், உங்களைக் குழுக்களில் ஈடுபடுத்தும் மனிதநேய, அரசியல் ஆர்வங்களும் இங்கே அறியப்படுகின்றன. பதினொன்றாம் பாவம் உங்கள் நண்பர்களையும் செல்வாக்கையும், அவர்கள் மூலம் உங்கள் நம்பிக்கைகள் எவ்வளவு நிறைவேறுகின்றன என்பதையும் ஆள்கிறது. தத்தெடுப்பைப் பற்றியும், மணவழி வந்த பிள்ளைகளைப் பற்றியும், அதாவது நீங்கள் பிறந்த குடும்பத்தை அல்லாமல் நீங்களே தேர்ந்தெடுக்கும் குடும்பத்தைப் பற்றியும் இது பேசுகிறது. இந்தப் பாவத்தின் அதிபதி நல்ல நிலையில் இருந்தால் உங்கள் வருவாய் சீராகப் பெருகும். உடலில் இது பற்கள், இடது காது, கணுக்கால்கள், கால்கள் ஆகியவற்றை ஆள்கிறது. </translation>
    </message>
    <message>
        <source>The House of Shortcomings</source>
        <translation>குறைபாடுகளின் பாவம்</translation>
    </message>
    <message>
        <source>Vyaya Bhava</source>
        <translation>விரய பாவம்</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>நெப்டியூன்</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>மீனம்</translation>
    </message>
    <message>
        <source>Compassion, Intuition, Mental Health</source>
        <translation>கருணை, உள்ளுணர்வு, மன ஆரோக்கியம்</translation>
    </message>
    <message>
        <source>To Reintegrate</source>
        <translation>மீண்டும் ஒன்றிணைதல்</translation>
    </message>
    <message>
        <source>In Indian Astrology, this house is known as the ‘Vyaysthana’ or the house of expenses. It governs your psychic perception and the hidden persona you show to no one. Here lies your karma, and with it your capacity for charity, but also your sorrow and the clandestine affairs you keep from the world. It marks the limitations you face, whether in a hospital, an ashram or a foreign land, and asks for prudence with money, since what is spent here rarely returns. The twelfth house also speaks of the after-life and of your previous births. In the body it governs the left eye and the feet. </source>
        <translation>இந்திய ஜோதிடத்தில் இந்தப் பாவம் ‘விரயஸ்தானம்’, அதாவது செலவுகளின் பாவம் எனப்படுகிறது. உங்கள் நுண்ணுணர்வையும், யாருக்கும் காட்டாத உங்கள் மறைந்த ஆளுமையையும் இது ஆள்கிறது. உங்கள் கர்மா இங்கே உள்ளது; அதனுடன் தானம் செய்யும் உங்கள் பண்பும், ஆனால் உங்கள் துயரமும், உலகிடமிருந்து மறைத்து வைக்கும் ரகசிய உறவுகளும் இங்கே உள்ளன. மருத்துவமனையிலோ, ஆசிரமத்திலோ, அயல்நாட்டிலோ நீங்கள் எதிர்கொள்ளும் கட்டுப்பாடுகளை இது குறிக்கிறது; இங்கே செலவானது அரிதாகவே திரும்பி வருவதால் பணத்தில் எச்சரிக்கை தேவை என்றும் சொல்கிறது. பன்னிரண்டாம் பாவம் மறுமையைப் பற்றியும் உங்கள் முற்பிறவிகளைப் பற்றியும் பேசுகிறது. உடலில் இது இடது கண்ணையும் பாதங்களையும் ஆள்கிறது. </translation>
    </message>
    <message>
        <source>Angular House (Action)</source>
        <translation>கேந்திர பாவம் (செயல்)</translation>
    </message>
    <message>
        <source>Succedent House (Fixed)</source>
        <translation>பணபர பாவம் (ஸ்திரம்)</translation>
    </message>
    <message>
        <source>Cadent House (Adaptable)</source>
        <translation>ஆபோக்லிம பாவம் (இணங்குவது)</translation>
    </message>
    <message>
        <source>Cardinal (Kendra)</source>
        <translation>சரம் (கேந்திரம்)</translation>
    </message>
    <message>
        <source>Fixed (Panapara) </source>
        <translation>ஸ்திரம் (பணபரம்) </translation>
    </message>
    <message>
        <source>Mutable (Apoklima) </source>
        <translation>உபயம் (ஆபோக்லிமம்) </translation>
    </message>
    <message>
        <source>Fire (Dharma) Houses</source>
        <translation>நெருப்பு (தர்ம) பாவங்கள்</translation>
    </message>
    <message>
        <source>Earth (Artha) Houses</source>
        <translation>நிலம் (அர்த்த) பாவங்கள்</translation>
    </message>
    <message>
        <source>Air (Kama) Houses</source>
        <translation>காற்று (காம) பாவங்கள்</translation>
    </message>
    <message>
        <source>Water (Moksha) Houses</source>
        <translation>நீர் (மோட்ச) பாவங்கள்</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1-ஆம்</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2-ஆம்</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3-ஆம்</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4-ஆம்</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>5-ஆம்</translation>
    </message>
    <message>
        <source>6th</source>
        <translation>6-ஆம்</translation>
    </message>
    <message>
        <source>7th</source>
        <translation>7-ஆம்</translation>
    </message>
    <message>
        <source>8th</source>
        <translation>8-ஆம்</translation>
    </message>
    <message>
        <source>9th</source>
        <translation>9-ஆம்</translation>
    </message>
    <message>
        <source>10th</source>
        <translation>10-ஆம்</translation>
    </message>
    <message>
        <source>11th</source>
        <translation>11-ஆம்</translation>
    </message>
    <message>
        <source>12th</source>
        <translation>12-ஆம்</translation>
    </message>
    <message>
        <source>Click Here To Show Characteristics Of %1 House</source>
        <translation>%1 பாவத்தின் இயல்புகளைக் காண இங்கே சொடுக்கவும்</translation>
    </message>
</context>
<context>
    <name>KeyFilter</name>
    <message>
        <source>Please Enter only Letters</source>
        <translation>எழுத்துகளை மட்டும் உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>எண்கள் மட்டுமே ஏற்கப்படும்</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>மொழி(&amp;L)</translation>
    </message>
</context>
<context>
    <name>Months</name>
    <message>
        <source>January</source>
        <translation>ஜனவரி</translation>
    </message>
    <message>
        <source>February</source>
        <translation>பிப்ரவரி</translation>
    </message>
    <message>
        <source>March</source>
        <translation>மார்ச்</translation>
    </message>
    <message>
        <source>April</source>
        <translation>ஏப்ரல்</translation>
    </message>
    <message>
        <source>May</source>
        <translation>மே</translation>
    </message>
    <message>
        <source>June</source>
        <translation>ஜூன்</translation>
    </message>
    <message>
        <source>July</source>
        <translation>ஜூலை</translation>
    </message>
    <message>
        <source>August</source>
        <translation>ஆகஸ்ட்</translation>
    </message>
    <message>
        <source>September</source>
        <translation>செப்டம்பர்</translation>
    </message>
    <message>
        <source>October</source>
        <translation>அக்டோபர்</translation>
    </message>
    <message>
        <source>November</source>
        <translation>நவம்பர்</translation>
    </message>
    <message>
        <source>December</source>
        <translation>டிசம்பர்</translation>
    </message>
</context>
<context>
    <name>Nakshatras</name>
    <message>
        <source>Ashwini</source>
        <translation>அஸ்வினி</translation>
    </message>
    <message>
        <source>Bharani</source>
        <translation>பரணி</translation>
    </message>
    <message>
        <source>Krittika</source>
        <translation>கார்த்திகை</translation>
    </message>
    <message>
        <source>Rohini</source>
        <translation>ரோகிணி</translation>
    </message>
    <message>
        <source>Mrigashira</source>
        <translation>மிருகசீரிடம்</translation>
    </message>
    <message>
        <source>Ardra</source>
        <translation>திருவாதிரை</translation>
    </message>
    <message>
        <source>Punarvasu</source>
        <translation>புனர்பூசம்</translation>
    </message>
    <message>
        <source>Pushya</source>
        <translation>பூசம்</translation>
    </message>
    <message>
        <source>Ashlesha</source>
        <translation>ஆயில்யம்</translation>
    </message>
    <message>
        <source>Magha</source>
        <translation>மகம்</translation>
    </message>
    <message>
        <source>Purva Phalguni</source>
        <translation>பூரம்</translation>
    </message>
    <message>
        <source>Uttara Phalguni</source>
        <translation>உத்திரம்</translation>
    </message>
    <message>
        <source>Hasta</source>
        <translation>அஸ்தம்</translation>
    </message>
    <message>
        <source>Chitra</source>
        <translation>சித்திரை</translation>
    </message>
    <message>
        <source>Swati</source>
        <translation>சுவாதி</translation>
    </message>
    <message>
        <source>Vishakha</source>
        <translation>விசாகம்</translation>
    </message>
    <message>
        <source>Anuradha</source>
        <translation>அனுஷம்</translation>
    </message>
    <message>
        <source>Jyeshtha</source>
        <translation>கேட்டை</translation>
    </message>
    <message>
        <source>Mula</source>
        <translation>மூலம்</translation>
    </message>
    <message>
        <source>Purva Ashadha</source>
        <translation>பூராடம்</translation>
    </message>
    <message>
        <source>Uttara Ashadha</source>
        <translation>உத்திராடம்</translation>
    </message>
    <message>
        <source>Shravana</source>
        <translation>திருவோணம்</translation>
    </message>
    <message>
        <source>Dhanishta</source>
        <translation>அவிட்டம்</translation>
    </message>
    <message>
        <source>Shatabhisha</source>
        <translation>சதயம்</translation>
    </message>
    <message>
        <source>Purva Bhadrapada</source>
        <translation>பூரட்டாதி</translation>
    </message>
    <message>
        <source>Uttara Bhadrapada</source>
        <translation>உத்திரட்டாதி</translation>
    </message>
    <message>
        <source>Revati</source>
        <translation>ரேவதி</translation>
    </message>
</context>
<context>
    <name>OpenReading</name>
    <message>
        <source>Select the source file</source>
        <translation>மூலக் கோப்பைத் தேர்ந்தெடுக்கவும்</translation>
    </message>
</context>
<context>
    <name>Planets</name>
    <message>
        <source>Sun</source>
        <translation>சூரியன்</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>சந்திரன்</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>செவ்வாய்</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>புதன்</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>குரு</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>சுக்கிரன்</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>சனி</translation>
    </message>
    <message>
        <source>Rahu</source>
        <translation>ராகு</translation>
    </message>
    <message>
        <source>Ketu</source>
        <translation>கேது</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>லக்னம்</translation>
    </message>
    <message>
        <source>(R)</source>
        <translation>(வ)</translation>
    </message>
</context>
<context>
    <name>ReadingDocument</name>
    <message>
        <source>over %1</source>
        <translation>%1-க்கு மேல்</translation>
    </message>
    <message>
        <source>Houses</source>
        <translation>பாவங்கள்</translation>
    </message>
    <message>
        <source>House</source>
        <translation>பாவம்</translation>
    </message>
    <message>
        <source>Bhava Madhya</source>
        <translation>பாவ மத்தியம்</translation>
    </message>
    <message>
        <source>Bhava Sandhi</source>
        <translation>பாவ சந்தி</translation>
    </message>
    <message>
        <source>Planets in Bhavas</source>
        <translation>பாவங்களில் கிரகங்கள்</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>கிரகம்</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>நிலை</translation>
    </message>
    <message>
        <source>Bhava</source>
        <translation>பாவம்</translation>
    </message>
    <message>
        <source>Minutes earlier</source>
        <translation>நிமிடம் முன்பு</translation>
    </message>
    <message>
        <source>Minutes later</source>
        <translation>நிமிடம் பின்பு</translation>
    </message>
    <message>
        <source>Ascendant changes sign</source>
        <translation>லக்னம் ராசி மாறும்</translation>
    </message>
    <message>
        <source>(R) retrograde. Minutes earlier and later: how far the birth time may be wrong before the planet stands in another Bhava (or the ascendant in another sign); %1 minutes or fewer in bold.</source>
        <translation>(வ) வக்கிரம். நிமிடம் முன்பு, பின்பு: கிரகம் வேறொரு பாவத்தில் (லக்னம் என்றால் வேறொரு ராசியில்) நிற்கும் முன் பிறப்பு நேரம் எவ்வளவு தவறலாம்; %1 நிமிடமோ அதற்குக் குறைவோ தடித்த எழுத்தில்.</translation>
    </message>
    <message>
        <source>Bhava Chart Reading</source>
        <translation>பாவ சக்கரப் பலன்</translation>
    </message>
    <message>
        <source>Date of birth</source>
        <translation>பிறந்த தேதி</translation>
    </message>
    <message>
        <source>Time of birth</source>
        <translation>பிறந்த நேரம்</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>ஊர்</translation>
    </message>
    <message>
        <source>not given</source>
        <translation>தரப்படவில்லை</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>அட்சரேகை</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>தீர்க்கரேகை</translation>
    </message>
    <message>
        <source>Offset used</source>
        <translation>பயன்பட்ட நேர வேறுபாடு</translation>
    </message>
    <message>
        <source>Julian Day</source>
        <translation>ஜூலியன் நாள்</translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translation>அயனாம்சம்</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>லக்னம்</translation>
    </message>
    <message>
        <source>Midheaven</source>
        <translation>தசம லக்னம்</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>எச்சரிக்கைகள்</translation>
    </message>
    <message>
        <source>Interpretation of Houses</source>
        <translation>பாவங்களின் பலன்கள்</translation>
    </message>
    <message>
        <source>House %1: %2</source>
        <translation>பாவம் %1: %2</translation>
    </message>
    <message>
        <source>Sanskrit Name</source>
        <translation>சமஸ்கிருதப் பெயர்</translation>
    </message>
    <message>
        <source>Planet Ruler</source>
        <translation>கிரக அதிபதி</translation>
    </message>
    <message>
        <source>Sign Ruler</source>
        <translation>ராசி அதிபதி</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>முக்கியச் சொற்கள்</translation>
    </message>
    <message>
        <source>Mantra</source>
        <translation>மந்திரம்</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>வகை</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>தன்மை</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>தத்துவம்</translation>
    </message>
    <message>
        <source>Bhava Madhya %1, Bhava Sandhi %2</source>
        <translation>பாவ மத்தியம் %1, பாவ சந்தி %2</translation>
    </message>
    <message>
        <source>; planets: %1</source>
        <translation>; கிரகங்கள்: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>இல்லை</translation>
    </message>
    <message>
        <source>In this chart</source>
        <translation>இந்த ஜாதகத்தில்</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>பக்கம் %1 / %2</translation>
    </message>
    <message>
        <source>%1: %2, born %3</source>
        <translation>%1: %2, பிறப்பு %3</translation>
    </message>
    <message>
        <source>Rasi and Navamsa</source>
        <translation>ராசி, நவாம்சம்</translation>
    </message>
    <message>
        <source>Nakshatras</source>
        <translation>நட்சத்திரங்கள்</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>நட்சத்திரம்</translation>
    </message>
    <message>
        <source>Pada</source>
        <translation>பாதம்</translation>
    </message>
    <message>
        <source>Lord</source>
        <translation>அதிபதி</translation>
    </message>
    <message>
        <source>Vimshottari dasha</source>
        <translation>விம்சோத்தரி தசை</translation>
    </message>
    <message>
        <source>Balance at birth</source>
        <translation>பிறப்பில் தசா இருப்பு</translation>
    </message>
    <message>
        <source>Dasha year</source>
        <translation>தசா ஆண்டு</translation>
    </message>
    <message>
        <source>Maha dasha</source>
        <translation>மகா தசை</translation>
    </message>
    <message>
        <source>Antar dashas, each from its date to the next</source>
        <translation>புக்திகள், ஒவ்வொன்றும் தன் தேதியிலிருந்து அடுத்த தேதி வரை</translation>
    </message>
    <message>
        <source>to %1</source>
        <translation>%1 வரை</translation>
    </message>
    <message>
        <source>%1: %2 years, %3 months, %4 days</source>
        <translation>%1: %2 ஆண்டு, %3 மாதம், %4 நாள்</translation>
    </message>
</context>
<context>
    <name>ReadingFiles</name>
    <message>
        <source>Export PDF</source>
        <translation>PDF ஏற்றுமதி</translation>
    </message>
    <message>
        <source>The reading could not be saved.
</source>
        <translation>பலனைச் சேமிக்க இயலவில்லை.
</translation>
    </message>
    <message>
        <source>Save Chart Picture</source>
        <translation>சக்கரப் படத்தைச் சேமி</translation>
    </message>
    <message>
        <source>The chart picture could not be saved.
</source>
        <translation>சக்கரப் படத்தைச் சேமிக்க இயலவில்லை.
</translation>
    </message>
    <message>
        <source>Some characters cannot be stored in a reading file and were left out:</source>
        <translation>சில எழுத்துகளைப் பலன் கோப்பில் சேமிக்க இயலாது; அவை விடுபட்டன:</translation>
    </message>
</context>
<context>
    <name>ReadingTexts</name>
    <message>
        <source>any number of hours</source>
        <translation>எத்தனை மணி நேரமும்</translation>
    </message>
    <message>
        <source>%1 hour</source>
        <translation>%1 மணி நேரம்</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 மணி நேரம்</translation>
    </message>
    <message>
        <source>%1 on %2 %3 %4</source>
        <translation>%2 %3 %4 அன்று %1</translation>
    </message>
    <message>
        <source>before %1</source>
        <translation>%1-க்கு முன்</translation>
    </message>
    <message>
        <source>after %1</source>
        <translation>%1-க்குப் பின்</translation>
    </message>
    <message>
        <source>%1 holds from %2 to %3</source>
        <translation>%1: %2 முதல் %3 வரை</translation>
    </message>
    <message>
        <source>Each minute later moves these dates %1 days %2 (while the Moon stays in %3: from %4 earlier to %5 later)</source>
        <translation>ஒரு நிமிடம் பின்னதாகப் பிறந்தால் இந்தத் தேதிகள் %1 நாள் %2 நகரும் (சந்திரன் %3 நட்சத்திரத்தில் இருக்கும் வரை: %4 முன்பிலிருந்து %5 பின்பு வரை)</translation>
    </message>
    <message>
        <source>earlier</source>
        <translation>முன்னதாக</translation>
    </message>
    <message>
        <source>later</source>
        <translation>பின்னதாக</translation>
    </message>
</context>
<context>
    <name>SharedMenus</name>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>மென்பொருள் புதுப்பிப்பைச் சரிபார்(&amp;C)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>மென்பொருள் புதுப்பிப்பைச் சரிபார்(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>உதவி(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>இணைய உதவி(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>எங்கள் இணையதளம்(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>மென்பொருள் பற்றி(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>நன்கொடை(&amp;D)</translation>
    </message>
</context>
<context>
    <name>Signs</name>
    <message>
        <source>Aries</source>
        <translation>மேஷம்</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>ரிஷபம்</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>மிதுனம்</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>கடகம்</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>சிம்மம்</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>கன்னி</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>துலாம்</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>விருச்சிகம்</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>தனுசு</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>மகரம்</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>கும்பம்</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>மீனம்</translation>
    </message>
    <message>
        <source>Ari</source>
        <translation>மேஷ</translation>
    </message>
    <message>
        <source>Tau</source>
        <translation>ரிஷ</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>மிது</translation>
    </message>
    <message>
        <source>Can</source>
        <translation>கடக</translation>
    </message>
    <message>
        <source>Vir</source>
        <translation>கன்னி</translation>
    </message>
    <message>
        <source>Lib</source>
        <translation>துலா</translation>
    </message>
    <message>
        <source>Sco</source>
        <translation>விரு</translation>
    </message>
    <message>
        <source>Sag</source>
        <translation>தனு</translation>
    </message>
    <message>
        <source>Cap</source>
        <translation>மகர</translation>
    </message>
    <message>
        <source>Aqu</source>
        <translation>கும்ப</translation>
    </message>
    <message>
        <source>Pis</source>
        <translation>மீன</translation>
    </message>
</context>
<context>
    <name>TimeZones</name>
    <message>
        <source>Alaska/Hawaii Daylight Time,AHDT,-9.0</source>
        <translation>அலாஸ்கா/ஹவாய் பகலொளி நேரம்,AHDT,-9.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time,AHST,-10.0</source>
        <translation>அலாஸ்கா/ஹவாய் திட்ட நேரம்,AHST,-10.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time,AHWT,-9.0</source>
        <translation>அலாஸ்கா/ஹவாய் போர்க்கால நேரம்,AHWT,-9.0</translation>
    </message>
    <message>
        <source>Atlantic Standard Time,AST,-4.0</source>
        <translation>அட்லாண்டிக் திட்ட நேரம்,AST,-4.0</translation>
    </message>
    <message>
        <source>Atlantic War Time,AWT,-3.0</source>
        <translation>அட்லாண்டிக் போர்க்கால நேரம்,AWT,-3.0</translation>
    </message>
    <message>
        <source>Australian Central Daylight Time,ACDT,+10.5</source>
        <translation>ஆஸ்திரேலிய மத்திய பகலொளி நேரம்,ACDT,+10.5</translation>
    </message>
    <message>
        <source>Australian Central Standard Time,ACST,+9.5</source>
        <translation>ஆஸ்திரேலிய மத்திய திட்ட நேரம்,ACST,+9.5</translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time,AEDT,+11.0</source>
        <translation>ஆஸ்திரேலிய கிழக்கு பகலொளி நேரம்,AEDT,+11.0</translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time,AEST,+10.0</source>
        <translation>ஆஸ்திரேலிய கிழக்கு திட்ட நேரம்,AEST,+10.0</translation>
    </message>
    <message>
        <source>Australian Western Daylight Time,AWDT,+9.0</source>
        <translation>ஆஸ்திரேலிய மேற்கு பகலொளி நேரம்,AWDT,+9.0</translation>
    </message>
    <message>
        <source>Australian Western Standard Time,AWST,+8.0</source>
        <translation>ஆஸ்திரேலிய மேற்கு திட்ட நேரம்,AWST,+8.0</translation>
    </message>
    <message>
        <source>Azores Time, AT, -2.0</source>
        <translation>அசோர்ஸ் நேரம், AT, -2.0</translation>
    </message>
    <message>
        <source>Baghdad Time, BAT, +3.0</source>
        <translation>பாக்தாத் நேரம், BAT, +3.0</translation>
    </message>
    <message>
        <source>Bering Standard Time,BET,-11.0</source>
        <translation>பெரிங் திட்ட நேரம்,BET,-11.0</translation>
    </message>
    <message>
        <source>Brazil Zone 2,BZT2,-3.0</source>
        <translation>பிரேசில் மண்டலம் 2,BZT2,-3.0</translation>
    </message>
    <message>
        <source>British Double Summer Time,BDST,+2.0</source>
        <translation>பிரிட்டிஷ் இரட்டைக் கோடை நேரம்,BDST,+2.0</translation>
    </message>
    <message>
        <source>British Summer Time,BST,+1.0</source>
        <translation>பிரிட்டிஷ் கோடை நேரம்,BST,+1.0</translation>
    </message>
    <message>
        <source>British War Time,BWT,+2.0</source>
        <translation>பிரிட்டிஷ் போர்க்கால நேரம்,BWT,+2.0</translation>
    </message>
    <message>
        <source>Central Daylight Time,CDT,-5.0</source>
        <translation>மத்திய பகலொளி நேரம்,CDT,-5.0</translation>
    </message>
    <message>
        <source>Central European Daylight,CED,+2.0</source>
        <translation>மத்திய ஐரோப்பிய பகலொளி,CED,+2.0</translation>
    </message>
    <message>
        <source>Central European Time,CET,+1.0</source>
        <translation>மத்திய ஐரோப்பிய நேரம்,CET,+1.0</translation>
    </message>
    <message>
        <source>Central Standard Time,CST,-6.0</source>
        <translation>மத்திய திட்ட நேரம்,CST,-6.0</translation>
    </message>
    <message>
        <source>Central War Time,CWT,-5.0</source>
        <translation>மத்திய போர்க்கால நேரம்,CWT,-5.0</translation>
    </message>
    <message>
        <source>China Coast Time,CCT,+8.0</source>
        <translation>சீனக் கடற்கரை நேரம்,CCT,+8.0</translation>
    </message>
    <message>
        <source>Eastern Daylight Time,EDT,-4.0</source>
        <translation>கிழக்கு பகலொளி நேரம்,EDT,-4.0</translation>
    </message>
    <message>
        <source>Eastern European Daylight Time,EED,+3.0</source>
        <translation>கிழக்கு ஐரோப்பிய பகலொளி நேரம்,EED,+3.0</translation>
    </message>
    <message>
        <source>Eastern European Time,EET,+2.0</source>
        <translation>கிழக்கு ஐரோப்பிய நேரம்,EET,+2.0</translation>
    </message>
    <message>
        <source>Eastern Standard Time,EST,-5.0</source>
        <translation>கிழக்கு திட்ட நேரம்,EST,-5.0</translation>
    </message>
    <message>
        <source>Eastern War Time,EWT,-4.0</source>
        <translation>கிழக்கு போர்க்கால நேரம்,EWT,-4.0</translation>
    </message>
    <message>
        <source>Greenwich Mean Time,GMT,0.0</source>
        <translation>கிரீன்விச் சராசரி நேரம்,GMT,0.0</translation>
    </message>
    <message>
        <source>Guam Standard Time,GST,+10.0</source>
        <translation>குவாம் திட்ட நேரம்,GST,+10.0</translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time,HDT,-9.5</source>
        <translation>ஹவாய் பகலொளி நேரம்,HDT,-9.5</translation>
    </message>
    <message>
        <source>Hawaiian Standard Time,HST,-10.5</source>
        <translation>ஹவாய் திட்ட நேரம்,HST,-10.5</translation>
    </message>
    <message>
        <source>Hawaiian War Time,HWT,-9.5</source>
        <translation>ஹவாய் போர்க்கால நேரம்,HWT,-9.5</translation>
    </message>
    <message>
        <source>Indian Time, IST, +5.3</source>
        <translation>இந்திய நேரம், IST, +5.3</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East,IDLE,+12.0</source>
        <translation>சர்வதேசத் தேதிக் கோடு கிழக்கு,IDLE,+12.0</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West,IDLW,-12.0</source>
        <translation>சர்வதேசத் தேதிக் கோடு மேற்கு,IDLW,-12.0</translation>
    </message>
    <message>
        <source>Iran Time, IT, +3.5</source>
        <translation>ஈரான் நேரம், IT, +3.5</translation>
    </message>
    <message>
        <source>Japan Standard Time,JST,+9.0</source>
        <translation>ஜப்பான் திட்ட நேரம்,JST,+9.0</translation>
    </message>
    <message>
        <source>Java Time, JT, +7.5</source>
        <translation>ஜாவா நேரம், JT, +7.5</translation>
    </message>
    <message>
        <source>Middle European Daylight Time,MED,+2.0</source>
        <translation>மத்திய ஐரோப்பிய (மிடில்) பகலொளி நேரம்,MED,+2.0</translation>
    </message>
    <message>
        <source>Middle European Time,MET,+1.0</source>
        <translation>மத்திய ஐரோப்பிய (மிடில்) நேரம்,MET,+1.0</translation>
    </message>
    <message>
        <source>Moluccas Time, MT, +8.5</source>
        <translation>மொலுக்காஸ் நேரம், MT, +8.5</translation>
    </message>
    <message>
        <source>Mountain Daylight Time,MDT,-6.0</source>
        <translation>மலைப்பகுதி பகலொளி நேரம்,MDT,-6.0</translation>
    </message>
    <message>
        <source>Mountain Standard Time,MST,-7.0</source>
        <translation>மலைப்பகுதி திட்ட நேரம்,MST,-7.0</translation>
    </message>
    <message>
        <source>Mountain War Time,MWT,-6.0</source>
        <translation>மலைப்பகுதி போர்க்கால நேரம்,MWT,-6.0</translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time,NZST,+13.0</source>
        <translation>நியூசிலாந்து திட்டக் கோடை நேரம்,NZST,+13.0</translation>
    </message>
    <message>
        <source>New Zealand Std Time,NZT,+12.0</source>
        <translation>நியூசிலாந்து திட்ட நேரம்,NZT,+12.0</translation>
    </message>
    <message>
        <source>New Zealand Summer Time,NZS,+12.5</source>
        <translation>நியூசிலாந்து கோடை நேரம்,NZS,+12.5</translation>
    </message>
    <message>
        <source>New Zealand Time,NZ,+11.5</source>
        <translation>நியூசிலாந்து நேரம்,NZ,+11.5</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time,NST,-3.5</source>
        <translation>நியூஃபவுண்ட்லாந்து திட்ட நேரம்,NST,-3.5</translation>
    </message>
    <message>
        <source>Nome Time, NT, -11.0</source>
        <translation>நோம் நேரம், NT, -11.0</translation>
    </message>
    <message>
        <source>North Sumatra Time,NST,+6.5</source>
        <translation>வடக்கு சுமத்ரா நேரம்,NST,+6.5</translation>
    </message>
    <message>
        <source>Pacific Daylight Time,PDT,-7.0</source>
        <translation>பசிபிக் பகலொளி நேரம்,PDT,-7.0</translation>
    </message>
    <message>
        <source>Pacific Standard Time,PST,-8.0</source>
        <translation>பசிபிக் திட்ட நேரம்,PST,-8.0</translation>
    </message>
    <message>
        <source>Pacific War Time,PWT,-7.0</source>
        <translation>பசிபிக் போர்க்கால நேரம்,PWT,-7.0</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SAD,+10.5</source>
        <translation>தெற்கு ஆஸ்திரேலிய பகலொளி நேரம்,SAD,+10.5</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SDT,+10.5</source>
        <translation>தெற்கு ஆஸ்திரேலிய பகலொளி நேரம்,SDT,+10.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAST,+9.5</source>
        <translation>தெற்கு ஆஸ்திரேலிய திட்ட நேரம்,SAST,+9.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAT,+9.5</source>
        <translation>தெற்கு ஆஸ்திரேலிய திட்ட நேரம்,SAT,+9.5</translation>
    </message>
    <message>
        <source>South Sumatra Time,SST,+7.0</source>
        <translation>தெற்கு சுமத்ரா நேரம்,SST,+7.0</translation>
    </message>
    <message>
        <source>Universal Time, UT, 0.0</source>
        <translation>சர்வதேச நேரம், UT, 0.0</translation>
    </message>
    <message>
        <source>USSR Zone 10,UZ10,+11.0</source>
        <translation>சோவியத் மண்டலம் 10,UZ10,+11.0</translation>
    </message>
    <message>
        <source>USSR Zone 3,USZ3,+4.0</source>
        <translation>சோவியத் மண்டலம் 3,USZ3,+4.0</translation>
    </message>
    <message>
        <source>USSR Zone 4,USZ4,+5.0</source>
        <translation>சோவியத் மண்டலம் 4,USZ4,+5.0</translation>
    </message>
    <message>
        <source>USSR Zone 5,USZ5,+6.0</source>
        <translation>சோவியத் மண்டலம் 5,USZ5,+6.0</translation>
    </message>
    <message>
        <source>USSR Zone 6,USZ6,+7.0</source>
        <translation>சோவியத் மண்டலம் 6,USZ6,+7.0</translation>
    </message>
    <message>
        <source>West Africa Time,WAT,-1.0</source>
        <translation>மேற்கு ஆப்பிரிக்க நேரம்,WAT,-1.0</translation>
    </message>
    <message>
        <source>Yukon Daylight Time,YDT,-8.0</source>
        <translation>யூக்கான் பகலொளி நேரம்,YDT,-8.0</translation>
    </message>
    <message>
        <source>Yukon Standard Time,YST,-9.0</source>
        <translation>யூக்கான் திட்ட நேரம்,YST,-9.0</translation>
    </message>
    <message>
        <source>Yukon War Time,YWT,-8.0</source>
        <translation>யூக்கான் போர்க்கால நேரம்,YWT,-8.0</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>இந்த மென்பொருளுக்குப் புதுப்பிப்பு கிடைக்கக்கூடும்</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>புதுப்பிப்பு உள்ளதா எனச் சரிபார்க்கவா?</translation>
    </message>
</context>
<context>
    <name>Vargas</name>
    <message>
        <source>Rasi</source>
        <translation>ராசி</translation>
    </message>
    <message>
        <source>Hora</source>
        <translation>ஹோரை</translation>
    </message>
    <message>
        <source>Drekkana</source>
        <translation>திரேக்காணம்</translation>
    </message>
    <message>
        <source>Chaturthamsa</source>
        <translation>சதுர்த்தாம்சம்</translation>
    </message>
    <message>
        <source>Saptamsa</source>
        <translation>சப்தாம்சம்</translation>
    </message>
    <message>
        <source>Navamsa</source>
        <translation>நவாம்சம்</translation>
    </message>
    <message>
        <source>Dasamsa</source>
        <translation>தசாம்சம்</translation>
    </message>
    <message>
        <source>Dwadasamsa</source>
        <translation>துவாதசாம்சம்</translation>
    </message>
    <message>
        <source>Shodasamsa</source>
        <translation>சோடசாம்சம்</translation>
    </message>
    <message>
        <source>Vimsamsa</source>
        <translation>விம்சாம்சம்</translation>
    </message>
    <message>
        <source>Chaturvimsamsa</source>
        <translation>சதுர்விம்சாம்சம்</translation>
    </message>
    <message>
        <source>Nakshatramsa</source>
        <translation>நட்சத்திராம்சம்</translation>
    </message>
    <message>
        <source>Trimsamsa</source>
        <translation>திரிம்சாம்சம்</translation>
    </message>
    <message>
        <source>Khavedamsa</source>
        <translation>கவேதாம்சம்</translation>
    </message>
    <message>
        <source>Akshavedamsa</source>
        <translation>அட்சவேதாம்சம்</translation>
    </message>
    <message>
        <source>Shashtiamsa</source>
        <translation>சஷ்டியாம்சம்</translation>
    </message>
</context>
<context>
    <name>VedicTabs</name>
    <message>
        <source>%1 holds from %2</source>
        <translation>%1: %2 முதல்</translation>
    </message>
    <message>
        <source>%1 holds to %2</source>
        <translation>%1: %2 வரை</translation>
    </message>
    <message>
        <source>, within %1 minutes of the birth</source>
        <translation>, பிறப்புக்கு %1 நிமிடங்களுக்குள்</translation>
    </message>
    <message>
        <source>Maha dasha</source>
        <translation>மகா தசை</translation>
    </message>
    <message>
        <source>Antar dasha</source>
        <translation>புக்தி</translation>
    </message>
    <message>
        <source>Pratyantar dasha</source>
        <translation>அந்தரம்</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <translation>%3-இல் %1 %2</translation>
    </message>
    <message>
        <source>, from %1 to %2</source>
        <translation>, %1 முதல் %2 வரை</translation>
    </message>
    <message>
        <source>, running today</source>
        <translation>, இன்று நடப்பில்</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 முதல் %2 வரை</translation>
    </message>
    <message>
        <source>ascendant in %1</source>
        <translation>லக்னம்: %1</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>Warnings</name>
    <message>
        <source>The quadrants of this chart overlap: at this latitude and time the arc from the midheaven to the ascendant is more than 180°, so some houses repeat. The figures are those the method gives, kept as they are.</source>
        <translation>இந்த ஜாதகத்தின் கால்பகுதிகள் ஒன்றின் மேல் ஒன்று படிகின்றன: இந்த அட்சரேகையிலும் நேரத்திலும் தசம லக்னத்திலிருந்து லக்னம் வரையிலான வில் 180°-க்கு மேல் உள்ளது, எனவே சில பாவங்கள் மீண்டும் வருகின்றன. இந்த முறை தரும் எண்களே மாற்றமின்றி வைக்கப்பட்டுள்ளன.</translation>
    </message>
</context>
<context>
    <name>ZoneFollowing</name>
    <message>
        <source>No place of the atlas lies within %1 km: type the zone.</source>
        <translation>%1 கி.மீ. தொலைவுக்குள் அட்லஸில் எந்த ஊரும் இல்லை: மண்டலத்தைத் தட்டச்சு செய்யவும்.</translation>
    </message>
    <message>
        <source>Nearest place in the atlas: %1, %2 km away, zone %3.</source>
        <translation>அட்லஸில் அருகிலுள்ள ஊர்: %1, %2 கி.மீ. தொலைவில், மண்டலம் %3.</translation>
    </message>
</context>
</TS>
