<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>Application</name>
    <message>
        <source>Application is already running</source>
        <translation>प्रोग्राम पहले से चल रहा है</translation>
    </message>
</context>
<context>
    <name>BhavaChart</name>
    <message>
        <source>Asc</source>
        <translation>लग्न</translation>
    </message>
    <message>
        <source>%1 rising</source>
        <translation>%1 लग्न</translation>
    </message>
    <message>
        <source>House %1, sign %2 %3: %4</source>
        <translation>भाव %1, राशि %2 %3: %4</translation>
    </message>
    <message>
        <source>no planets</source>
        <translation>कोई ग्रह नहीं</translation>
    </message>
    <message>
        <source>%1 retrograde</source>
        <translation>%1 वक्री</translation>
    </message>
    <message>
        <source>(R)</source>
        <translation>(व)</translation>
    </message>
</context>
<context>
    <name>BirthRules</name>
    <message>
        <source>Please Enter Value Between 0 And 14 in the Zone Hour</source>
        <translation>कृपया क्षेत्र घंटे में 0 से 14 के बीच मान लिखें</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the Zone Minute</source>
        <translation>कृपया क्षेत्र मिनट में 0 से 59 के बीच मान लिखें</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 179 in the Degree of Longitude</source>
        <translation>कृपया देशांतर के अंश में 0 से 179 के बीच मान लिखें</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Longitude</source>
        <translation>कृपया देशांतर की कला में 0 से 59 के बीच मान लिखें</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 89 in the Degree of Latitude</source>
        <translation>कृपया अक्षांश के अंश में 0 से 89 के बीच मान लिखें</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Latitude</source>
        <translation>कृपया अक्षांश की कला में 0 से 59 के बीच मान लिखें</translation>
    </message>
    <message>
        <source>Please Enter Name</source>
        <translation>कृपया नाम लिखें</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>कृपया सही तिथि या माह लिखें!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>कृपया सही तिथि या माह लिखें !</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>कृपया फ़ाइल जाँचें।</translation>
    </message>
</context>
<context>
    <name>ChartBodies</name>
    <message>
        <source>Su</source>
        <translation>सू</translation>
    </message>
    <message>
        <source>Mo</source>
        <translation>चं</translation>
    </message>
    <message>
        <source>Ma</source>
        <translation>मं</translation>
    </message>
    <message>
        <source>Me</source>
        <translation>बु</translation>
    </message>
    <message>
        <source>Ju</source>
        <translation>गु</translation>
    </message>
    <message>
        <source>Ve</source>
        <translation>शु</translation>
    </message>
    <message>
        <source>Sa</source>
        <translation>श</translation>
    </message>
    <message>
        <source>Ra</source>
        <translation>रा</translation>
    </message>
    <message>
        <source>Ke</source>
        <translation>के</translation>
    </message>
</context>
<context>
    <name>ChartText</name>
    <message>
        <source>Julian Day</source>
        <translation>जूलियन दिन</translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translation>अयनांश</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>लग्न</translation>
    </message>
    <message>
        <source>Midheaven</source>
        <translation>दशम लग्न</translation>
    </message>
    <message>
        <source>House</source>
        <translation>भाव</translation>
    </message>
    <message>
        <source>Bhava Madhya</source>
        <translation>भाव मध्य</translation>
    </message>
    <message>
        <source>Bhava Sandhi</source>
        <translation>भाव संधि</translation>
    </message>
    <message>
        <source>
Note: </source>
        <translation>
टिप्पणी: </translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>ग्रह</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>स्पष्ट</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>राशि</translation>
    </message>
    <message>
        <source>Bhava</source>
        <translation>भाव</translation>
    </message>
    <message>
        <source>Earlier</source>
        <translation>पहले</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>बाद</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>नक्षत्र</translation>
    </message>
    <message>
        <source>Pada</source>
        <translation>चरण</translation>
    </message>
    <message>
        <source>Lord</source>
        <translation>स्वामी</translation>
    </message>
    <message>
        <source>
Earlier, Later: the minutes of birth time that put the planet in another Bhava,
the ascendant in another sign; * within 15 minutes. (R) retrograde.
</source>
        <translation>
पहले, बाद: जन्म समय के वे मिनट जिनसे ग्रह दूसरे भाव में,
लग्न दूसरी राशि में चला जाए; * 15 मिनट के भीतर। (व) वक्री।
</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>कुंडली</translation>
    </message>
    <message>
        <source>Asc</source>
        <translation>लग्न</translation>
    </message>
    <message>
        <source>Window of the ascendant&apos;s sign</source>
        <translation>लग्न राशि की समय-सीमा</translation>
    </message>
    <message>
        <source>
Vimshottari dasha (a year of %1 days)
</source>
        <translation>
विंशोत्तरी दशा (%1 दिन का वर्ष)
</translation>
    </message>
    <message>
        <source>Balance at birth: </source>
        <translation>जन्म के समय शेष दशा: </translation>
    </message>
    <message>
        <source>Maha</source>
        <translation>महादशा</translation>
    </message>
    <message>
        <source>Antar</source>
        <translation>अंतर्दशा</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>आरंभ</translation>
    </message>
    <message>
        <source>End</source>
        <translation>अंत</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>स्थान</translation>
    </message>
</context>
<context>
    <name>DashaYears</name>
    <message>
        <source>Sidereal (365.256363 days)</source>
        <translation>नाक्षत्र (365.256363 दिन)</translation>
    </message>
    <message>
        <source>Julian (365.25 days)</source>
        <translation>जूलियन (365.25 दिन)</translation>
    </message>
    <message>
        <source>Savana (360 days)</source>
        <translation>सावन (360 दिन)</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>हाँ(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>नहीं(&amp;N)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
</context>
<context>
    <name>FrmAbout</name>
    <message>
        <source>Kelvaro generates the Houses or Bhavas of your natal chart. Each house is related to to an area in life. This influences the interpretation of your birth chart depending on the position of the different planets in these houses.</source>
        <translation>Kelvaro आपकी जन्म कुंडली के भाव बनाता है। प्रत्येक भाव जीवन के किसी एक क्षेत्र से जुड़ा है। इन भावों में विभिन्न ग्रहों की स्थिति के अनुसार आपकी जन्म कुंडली का फलादेश बदलता है।</translation>
    </message>
    <message>
        <source>Click here to visit </source>
        <translation>देखने के लिए यहाँ क्लिक करें: </translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>घर बैठे व्यवसाय का अवसर। अपना इंटरनेट व्यवसाय शुरू करें और ऑनलाइन कमाएँ। यह सॉफ़्टवेयर पूरी तरह अपनी वेबसाइट के ब्रांड के साथ पाएँ।</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>अधिक जानकारी के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Planet positions come from Swiss Ephemeris, © Astrodienst AG, under the GNU Affero General Public License 3.0. Kelvaro is free software: you may share and change it under the GNU Affero General Public License, version 3 or later.</source>
        <translation>ग्रह स्पष्ट Swiss Ephemeris से लिए गए हैं, © Astrodienst AG, GNU Affero General Public License 3.0 के अंतर्गत। Kelvaro मुक्त सॉफ़्टवेयर है: आप इसे GNU Affero General Public License, संस्करण 3 या उसके बाद के किसी संस्करण के अंतर्गत बाँट और बदल सकते हैं।</translation>
    </message>
    <message>
        <source>The atlas of places is the GeoNames list of places (geonames.org), under the Creative Commons Attribution 4.0 License (CC BY 4.0).</source>
        <translation>स्थानों का एटलस GeoNames की स्थान-सूची (geonames.org) है, Creative Commons Attribution 4.0 License (CC BY 4.0) के अंतर्गत।</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>ठीक है(&amp;O)</translation>
    </message>
</context>
<context>
    <name>FrmDisplay</name>
    <message>
        <source>Talk about your chart with fellow astrologers on our online discussion board. Click here to join us.</source>
        <translation>अपनी कुंडली पर साथी ज्योतिषियों से हमारे ऑनलाइन चर्चा मंच पर बात करें। जुड़ने के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>Bhava Chart</source>
        <translation>भाव कुंडली</translation>
    </message>
    <message>
        <source>Julian Day</source>
        <translation>जूलियन दिन</translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translation>अयनांश</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>लग्न</translation>
    </message>
    <message>
        <source>Midheaven</source>
        <translation>दशम लग्न</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>चेतावनियाँ</translation>
    </message>
    <message>
        <source>House</source>
        <translation>भाव</translation>
    </message>
    <message>
        <source>Bhava Madhya</source>
        <translation>भाव मध्य</translation>
    </message>
    <message>
        <source>Bhava Sandhi</source>
        <translation>भाव संधि</translation>
    </message>
    <message>
        <source>Bhava chart</source>
        <translation>भाव कुंडली</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>कुंडली(&amp;C)</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>कुंडली</translation>
    </message>
    <message>
        <source>Chart &amp;style</source>
        <translation>कुंडली शैली(&amp;S)</translation>
    </message>
    <message>
        <source>Chart style</source>
        <translation>कुंडली शैली</translation>
    </message>
    <message>
        <source>North Indian</source>
        <translation>उत्तर भारतीय</translation>
    </message>
    <message>
        <source>South Indian</source>
        <translation>दक्षिण भारतीय</translation>
    </message>
    <message>
        <source>Interpretation of Houses</source>
        <translation>भावों का फलादेश</translation>
    </message>
    <message>
        <source>Characteristics Of</source>
        <translation>विशेषताएँ</translation>
    </message>
    <message>
        <source>House Name</source>
        <translation>भाव का नाम</translation>
    </message>
    <message>
        <source>Sanskrit Name</source>
        <translation>संस्कृत नाम</translation>
    </message>
    <message>
        <source>Planet Ruler</source>
        <translation>स्वामी ग्रह</translation>
    </message>
    <message>
        <source>Sign Ruler</source>
        <translation>स्वामी राशि</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>मुख्य शब्द</translation>
    </message>
    <message>
        <source>Mantra</source>
        <translation>मंत्र</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>प्रकार</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>गुण</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>तत्त्व</translation>
    </message>
    <message>
        <source>House Attributes</source>
        <translation>भाव के गुण-धर्म</translation>
    </message>
    <message>
        <source>Planets in Bhavas</source>
        <translation>भावों में ग्रह</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>ग्रह</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>स्पष्ट</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>राशि</translation>
    </message>
    <message>
        <source>Bhava</source>
        <translation>भाव</translation>
    </message>
    <message>
        <source>Minutes earlier</source>
        <translation>मिनट पहले</translation>
    </message>
    <message>
        <source>Minutes later</source>
        <translation>मिनट बाद</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>नक्षत्र</translation>
    </message>
    <message>
        <source>Pada</source>
        <translation>चरण</translation>
    </message>
    <message>
        <source>Lord</source>
        <translation>स्वामी</translation>
    </message>
    <message>
        <source>Divisional charts</source>
        <translation>वर्ग कुंडलियाँ</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>सूर्य</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>चन्द्र</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>मंगल</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>बुध</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>गुरु</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>शुक्र</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>शनि</translation>
    </message>
    <message>
        <source>Rahu</source>
        <translation>राहु</translation>
    </message>
    <message>
        <source>Ketu</source>
        <translation>केतु</translation>
    </message>
    <message>
        <source>Holds from</source>
        <translation>कब से</translation>
    </message>
    <message>
        <source>Holds to</source>
        <translation>कब तक</translation>
    </message>
    <message>
        <source>Vimshottari dasha</source>
        <translation>विंशोत्तरी दशा</translation>
    </message>
    <message>
        <source>Balance at birth</source>
        <translation>जन्म के समय शेष दशा</translation>
    </message>
    <message>
        <source>Dasha &amp;year</source>
        <translation>दशा वर्ष(&amp;Y)</translation>
    </message>
    <message>
        <source>Dasha year</source>
        <translation>दशा वर्ष</translation>
    </message>
    <message>
        <source>Dasha periods</source>
        <translation>दशा अवधियाँ</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>अवधि</translation>
    </message>
    <message>
        <source>From</source>
        <translation>से</translation>
    </message>
    <message>
        <source>To</source>
        <translation>तक</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>सहेजें(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>वापस(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>बाहर निकलें(&amp;E)</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>घर बैठे व्यवसाय का अवसर। अपना इंटरनेट व्यवसाय शुरू करें और ऑनलाइन कमाएँ। यह सॉफ़्टवेयर पूरी तरह अपनी वेबसाइट के ब्रांड के साथ पाएँ। अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. The Help menu tells you how it is done. Click Here for more info on co-branding.</source>
        <translation>इस सॉफ़्टवेयर को अपनी साइट के लिए को-ब्रांड करें। अपनी साइट के प्रति पाठकों का जुड़ाव और ट्रैफ़िक बढ़ाएँ। अपनी साइट का नाम &amp; लिंक यहाँ लगाएँ। यह कैसे होता है, सहायता मेनू में बताया गया है। को-ब्रांडिंग की अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल(&amp;F)</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>प्रिंट करें…</translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation>PDF निर्यात करें…</translation>
    </message>
    <message>
        <source>Save Chart Picture…</source>
        <translation>कुंडली का चित्र सहेजें…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बाहर निकलें(&amp;X)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ऑनलाइन कमाई करें(&amp;O)</translation>
    </message>
    <message>
        <source>Minutes earlier and later: how far the birth time may be off before the planet stands in another Bhava (for the ascendant: before it rises in another sign). Marked * and highlighted: within 15 minutes, worth checking the recorded birth time. (R): retrograde. Lord: the nakshatra&apos;s lord, who rules its period of the Vimshottari dasha.</source>
        <translation>मिनट पहले और बाद: जन्म समय कितना आगे-पीछे हो तो ग्रह दूसरे भाव में चला जाए (लग्न के लिए: दूसरी राशि उदित हो जाए)। * चिह्नित और उभरे हुए: 15 मिनट के भीतर, दर्ज जन्म समय की जाँच कर लेना उचित है। (व): वक्री। स्वामी: नक्षत्र का स्वामी, जो विंशोत्तरी दशा में उसकी अवधि का अधिपति है।</translation>
    </message>
    <message>
        <source>Holds from and to: the birth times between which the chart&apos;s ascendant keeps its sign. Marked * and highlighted in D1 and D9: within 15 minutes of the birth, worth checking the recorded birth time; the finer charts&apos; windows are short by nature.</source>
        <translation>कब से और कब तक: वे जन्म समय जिनके बीच कुंडली का लग्न अपनी राशि में रहता है। D1 और D9 में * चिह्नित और उभरे हुए: जन्म से 15 मिनट के भीतर, दर्ज जन्म समय की जाँच कर लेना उचित है; सूक्ष्म वर्गों की ये अवधियाँ स्वभाव से ही छोटी होती हैं।</translation>
    </message>
    <message>
        <source>earlier</source>
        <translation>पहले</translation>
    </message>
    <message>
        <source>later</source>
        <translation>बाद</translation>
    </message>
    <message>
        <source>the ascendant would rise in another sign</source>
        <translation>लग्न दूसरी राशि में उदित होगा</translation>
    </message>
    <message>
        <source>%1 would stand in another Bhava</source>
        <translation>%1 दूसरे भाव में होगा</translation>
    </message>
    <message>
        <source>more than %1 minutes %2</source>
        <translation>%1 मिनट से अधिक %2</translation>
    </message>
    <message>
        <source>Even born four hours %1, %2 would not change.</source>
        <translation>चार घंटे %1 जन्म होने पर भी %2 में बदलाव नहीं होगा।</translation>
    </message>
    <message>
        <source>the ascendant&apos;s sign</source>
        <translation>लग्न की राशि</translation>
    </message>
    <message>
        <source>%1&apos;s Bhava</source>
        <translation>%1 का भाव</translation>
    </message>
    <message>
        <source>%1 minutes %2, within %3 minutes</source>
        <translation>%1 मिनट %2, %3 मिनट के भीतर</translation>
    </message>
    <message>
        <source>%1 minutes %2</source>
        <translation>%1 मिनट %2</translation>
    </message>
    <message>
        <source>Born %1 minutes %2, %3.</source>
        <translation>%1 मिनट %2 जन्म होने पर %3।</translation>
    </message>
    <message>
        <source>Marked and opened: the periods running today, %1.</source>
        <translation>चिह्नित और खुली हुई: आज (%1) चल रही अवधियाँ।</translation>
    </message>
    <message>
        <source>%1, retrograde</source>
        <translation>%1, वक्री</translation>
    </message>
    <message>
        <source>%1, nakshatra %2</source>
        <translation>%1, नक्षत्र %2</translation>
    </message>
    <message>
        <source>pada %1</source>
        <translation>चरण %1</translation>
    </message>
    <message>
        <source>lord %1</source>
        <translation>स्वामी %1</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <source>Join our free astrology community on the web. Click here!</source>
        <translation>वेब पर हमारे निःशुल्क ज्योतिष समुदाय से जुड़ें। यहाँ क्लिक करें!</translation>
    </message>
    <message>
        <source>Know what the Bhavas or the Houses of your natal chart have to tell you. Understand your life better witht his software.</source>
        <translation>जानिए, आपकी जन्म कुंडली के भाव आपसे क्या कहते हैं। इस सॉफ़्टवेयर से अपने जीवन को और अच्छी तरह समझिए।</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>जन्म तिथि</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>माह</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>दिन</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>वर्ष</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>जन्म समय</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>घंटा</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>मिनट</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>सेकंड</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation>घं:मि:से</translation>
    </message>
    <message>
        <source>Birth place</source>
        <translation>जन्म स्थान</translation>
    </message>
    <message>
        <source>Reading the atlas of places...</source>
        <translation>स्थानों का एटलस पढ़ा जा रहा है...</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <source>Zone hour</source>
        <translation>समय क्षेत्र के घंटे</translation>
    </message>
    <message>
        <source>Zone minutes</source>
        <translation>समय क्षेत्र के मिनट</translation>
    </message>
    <message>
        <source>TZ Help</source>
        <translation>समय क्षेत्र सहायता</translation>
    </message>
    <message>
        <source>DST</source>
        <translation>ग्रीष्मकालीन समय (DST)</translation>
    </message>
    <message>
        <source>Zone direction</source>
        <translation>क्षेत्र की दिशा</translation>
    </message>
    <message>
        <source>Zone direction: from the longitude (East ahead of universal time, West behind), or as chosen</source>
        <translation>क्षेत्र की दिशा: देशांतर के अनुसार (पूर्व में सार्वभौमिक समय से आगे, पश्चिम में पीछे), या जैसी चुनी जाए</translation>
    </message>
    <message>
        <source>From longitude</source>
        <translation>देशांतर के अनुसार</translation>
    </message>
    <message>
        <source>Ahead of UT</source>
        <translation>UT से आगे</translation>
    </message>
    <message>
        <source>Behind UT</source>
        <translation>UT से पीछे</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>मि.</translation>
    </message>
    <message>
        <source>Offset used</source>
        <translation>प्रयुक्त समय-अंतर</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>अक्षांश</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>अक्षांश अंश</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>अंश</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>अक्षांश कला</translation>
    </message>
    <message>
        <source>North</source>
        <translation>उत्तर</translation>
    </message>
    <message>
        <source>South</source>
        <translation>दक्षिण</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>देशांतर</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>देशांतर अंश</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>देशांतर कला</translation>
    </message>
    <message>
        <source>East</source>
        <translation>पूर्व</translation>
    </message>
    <message>
        <source>West</source>
        <translation>पश्चिम</translation>
    </message>
    <message>
        <source>Use Its Zone</source>
        <translation>इसका समय क्षेत्र लें</translation>
    </message>
    <message>
        <source>City</source>
        <translation>शहर</translation>
    </message>
    <message>
        <source>State</source>
        <translation>राज्य</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>देश</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>अक्षांश &amp;&amp; देशांतर खोजने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>पहले सहेजा गया फलादेश खोलें(&amp;O)</translation>
    </message>
    <message>
        <source>Get My Bhava Chart Reading</source>
        <translation>मेरी भाव कुंडली का फलादेश दिखाएँ</translation>
    </message>
    <message>
        <source>Co-brand this software for your site. Give it to your visitors with your own name, logo and web address on it. Click here for more details.</source>
        <translation>इस सॉफ़्टवेयर को अपनी साइट के लिए को-ब्रांड करें। इसे अपने नाम, लोगो और वेब पते के साथ अपने आगंतुकों को दें। अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>घर बैठे व्यवसाय का अवसर। अपना इंटरनेट व्यवसाय शुरू करें और ऑनलाइन कमाएँ। यह सॉफ़्टवेयर पूरी तरह अपनी वेबसाइट के ब्रांड के साथ पाएँ। अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल(&amp;F)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बाहर निकलें(&amp;X)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ऑनलाइन कमाई करें(&amp;O)</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>कृपया शहर लिखें</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>कृपया राज्य लिखें</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>कृपया देश लिखें</translation>
    </message>
    <message>
        <source>The atlas of places could not be read</source>
        <translation>स्थानों का एटलस पढ़ा नहीं जा सका</translation>
    </message>
    <message>
        <source>City of birth: type its name</source>
        <translation>जन्म का शहर: उसका नाम लिखें</translation>
    </message>
    <message>
        <source>No place matches</source>
        <translation>कोई स्थान मेल नहीं खाता</translation>
    </message>
    <message>
        <source>1 place matches</source>
        <translation>1 स्थान मेल खाता है</translation>
    </message>
    <message>
        <source>%1 places match</source>
        <translation>%1 स्थान मेल खाते हैं</translation>
    </message>
    <message>
        <source>%1; Return chooses %2, %3 of %4</source>
        <translation>%1; Return दबाने पर %2 चुना जाएगा, %4 में से %3</translation>
    </message>
    <message>
        <source>%1; Return chooses %2, Down goes through the list</source>
        <translation>%1; Return दबाने पर %2 चुना जाएगा, Down से सूची में आगे बढ़ें</translation>
    </message>
</context>
<context>
    <name>FrmReferral</name>
    <message>
        <source>Programs like Kelvaro can only be written and kept up to date with your support. The best way to support us is to visit the Orvenna Softwares community often and join in its discussions.</source>
        <translation>Kelvaro जैसे प्रोग्राम आपके सहयोग से ही लिखे और अद्यतन रखे जा सकते हैं। हमें सहयोग देने का सबसे अच्छा तरीका है Orvenna Softwares समुदाय में अक्सर आना और उसकी चर्चाओं में भाग लेना।</translation>
    </message>
    <message>
        <source>Please visit the Orvenna Softwares community regularly and take part in its discussions. Without your visits we cannot keep programs like this one going.</source>
        <translation>कृपया Orvenna Softwares समुदाय में नियमित रूप से आएँ और उसकी चर्चाओं में भाग लें। आपके आए बिना हम ऐसे प्रोग्राम चालू नहीं रख सकते।</translation>
    </message>
    <message>
        <source>The Orvenna Softwares community is a free online discussion forum. Each visit you make there helps us develop and maintain Kelvaro.</source>
        <translation>Orvenna Softwares समुदाय एक निःशुल्क ऑनलाइन चर्चा मंच है। वहाँ आपका हर आगमन Kelvaro को विकसित करने और बनाए रखने में हमारी मदद करता है।</translation>
    </message>
    <message>
        <source>Our community needs your help. All we ask is that you visit it regularly and take part in its discussions.</source>
        <translation>हमारे समुदाय को आपकी सहायता चाहिए। हम बस इतना चाहते हैं कि आप नियमित रूप से वहाँ आएँ और उसकी चर्चाओं में भाग लें।</translation>
    </message>
    <message>
        <source>Yes, take me to the Orvenna Softwares community at </source>
        <translation>हाँ, अभी मुझे Orvenna Softwares समुदाय पर ले चलें: </translation>
    </message>
    <message>
        <source> now.</source>
        <translation>।</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बाहर निकलें(&amp;X)</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>मित्र को बताएँ</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>अभी मित्र को बताएँ(&amp;N)</translation>
    </message>
    <message>
        <source>Download Orvenna Softwares</source>
        <translation>Orvenna Softwares डाउनलोड करें</translation>
    </message>
    <message>
        <source>Try the other programs from Orvenna Softwares: astrology, psychic, tarot, numerology and occult software, simple to use and full of information.</source>
        <translation>Orvenna Softwares के दूसरे प्रोग्राम भी आज़माएँ: ज्योतिष, अतींद्रिय ज्ञान, टैरो, अंकशास्त्र और गूढ़ विद्या के सॉफ़्टवेयर, जो चलाने में सरल और जानकारी से भरपूर हैं।</translation>
    </message>
    <message>
        <source>Click Here To Visit Orvenna Softwares</source>
        <translation>Orvenna Softwares देखने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>ईमेल पते में खाली जगह नहीं हो सकती</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>कृपया अपना नाम लिखें</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>कृपया अपना ईमेल लिखें</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>कृपया अपना संदेश लिखें</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>कृपया अपने मित्र का नाम लिखें</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>कृपया अपने मित्र का ईमेल लिखें</translation>
    </message>
</context>
<context>
    <name>FrmTimeZone</name>
    <message>
        <source>Time zones</source>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>बंद करें(&amp;Q)</translation>
    </message>
</context>
<context>
    <name>HouseCatalogue</name>
    <message>
        <source>The House of Identity</source>
        <translation>व्यक्तित्व का भाव</translation>
    </message>
    <message>
        <source>Tanu Bhava / Lagna Bhava</source>
        <translation>तनु भाव / लग्न भाव</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>मंगल</translation>
    </message>
    <message>
        <source>Aries</source>
        <translation>मेष</translation>
    </message>
    <message>
        <source>Outer-Self, Superficial Traits, Physical Appearance</source>
        <translation>बाहरी व्यक्तित्व, ऊपरी लक्षण, शारीरिक रूप</translation>
    </message>
    <message>
        <source>To Be</source>
        <translation>होना</translation>
    </message>
    <message>
        <source>Much can be determined about someone’s personality from this house. It stands for your self, the individuality that sets you apart from everyone else, and the way you meet the world before a single word is spoken.  The sign on its cusp is your rising sign, the Lagna, which colours your outward appearance and the image you project to those you meet. This house also shows the silent, non-verbal bond you form with your surroundings. Many astrologers call it the most vital house of the chart, because every other house is counted from it. In the body it rules your physique and general health, the head, the face and the complexion, and your early years.  </source>
        <translation>इस भाव से व्यक्ति के व्यक्तित्व के बारे में बहुत कुछ जाना जा सकता है। यह आपके अपने स्वरूप का, उस वैयक्तिकता का प्रतीक है जो आपको बाकी सबसे अलग बनाती है, और उस ढंग का भी जिससे आप एक शब्द बोले बिना ही संसार के सामने आते हैं। इसके आरंभ बिंदु पर स्थित राशि आपकी उदित राशि, यानी लग्न है, जो आपके बाहरी रूप-रंग और मिलने वालों पर पड़ने वाली आपकी छवि को रंग देती है। यह भाव आपके परिवेश के साथ बनने वाले मौन, अनकहे संबंध को भी दिखाता है। अनेक ज्योतिषी इसे कुंडली का सबसे महत्त्वपूर्ण भाव मानते हैं, क्योंकि बाकी सभी भाव इसी से गिने जाते हैं। शरीर में यह आपकी काया और सामान्य स्वास्थ्य, सिर, चेहरे और रंगत का, और आपके आरंभिक वर्षों का भी स्वामी है।  </translation>
    </message>
    <message>
        <source>The House of Finances</source>
        <translation>धन का भाव</translation>
    </message>
    <message>
        <source>Dhana Bhava</source>
        <translation>धन भाव</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>शुक्र</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>वृषभ</translation>
    </message>
    <message>
        <source>Money, Self-Worth, Vitality</source>
        <translation>धन, आत्म-मूल्य, जीवनी शक्ति</translation>
    </message>
    <message>
        <source>To Have</source>
        <translation>पाना</translation>
    </message>
    <message>
        <source>This house is traditionally known as the house of material possessions and wealth. It shows how you handle your resources: what you earn, what you keep and what slips through your fingers. Your material goals, your finances and the gains or losses you meet along the way are all read from here, and a well-aspected second house promises steady, lasting growth. Yet the second house is about more than money, for it also describes your self-esteem, the value you place on yourself and on what you possess. Traditionally it points to the servants and helpers who support your household, and to the natural talents you can turn into income, your “inner wealth”. In the body it governs the eyesight and the throat. </source>
        <translation>यह भाव परंपरा से भौतिक संपत्ति और धन का भाव माना जाता है। यह दिखाता है कि आप अपने साधनों को कैसे सँभालते हैं: आप क्या कमाते हैं, क्या बचाते हैं और क्या उँगलियों से फिसल जाता है। आपके भौतिक लक्ष्य, आपकी आर्थिक स्थिति और राह में मिलने वाले लाभ या हानि, सब यहीं से देखे जाते हैं, और शुभ दृष्टि वाला द्वितीय भाव स्थिर और टिकाऊ उन्नति का वचन देता है। फिर भी द्वितीय भाव केवल धन की बात नहीं करता, क्योंकि यह आपके आत्मसम्मान का भी वर्णन करता है: आप अपने आप को और अपनी वस्तुओं को कितना मूल्य देते हैं। परंपरा से यह उन सेवकों और सहायकों की ओर संकेत करता है जो आपके घर-परिवार को सहारा देते हैं, और उन स्वाभाविक प्रतिभाओं की ओर भी जिन्हें आप आय में बदल सकते हैं, यानी आपका “भीतरी धन”। शरीर में यह नेत्र-ज्योति और कंठ का स्वामी है। </translation>
    </message>
    <message>
        <source>The House of Communication  </source>
        <translation>संवाद का भाव  </translation>
    </message>
    <message>
        <source>Sahaj Bhava / Vikrama Bhava</source>
        <translation>सहज भाव / विक्रम भाव</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>बुध</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>मिथुन</translation>
    </message>
    <message>
        <source>Education, Communication, Relationships</source>
        <translation>शिक्षा, संवाद, संबंध</translation>
    </message>
    <message>
        <source>To Communicate</source>
        <translation>संवाद करना</translation>
    </message>
    <message>
        <source>This house corresponds to your power of communication. When its lord is well placed, or when benefics occupy it, you speak with ease and write with skill and clarity, and your words carry real weight with others. It reveals your attitude to risk, whether you follow convention or prefer to test its limits and go your own way. The third house also rules your younger brothers and sisters, your neighbours and the many short trips that fill your daily life. It shows your stamina and courage, and the quick, curious intellect that learns by asking questions and won’t rest until it understands. In the body it governs the right ear and the shoulders. </source>
        <translation>यह भाव आपकी संवाद-शक्ति से जुड़ा है। जब इसका स्वामी अच्छी स्थिति में हो या इसमें शुभ ग्रह बैठे हों, तो आप सहजता से बोलते हैं, कुशलता और स्पष्टता से लिखते हैं, और आपकी बातों का दूसरों पर सचमुच वज़न होता है। यह जोखिम के प्रति आपका दृष्टिकोण प्रकट करता है: आप परंपरा पर चलते हैं या उसकी सीमाएँ परखकर अपनी राह स्वयं बनाना पसंद करते हैं। तृतीय भाव आपके छोटे भाई-बहनों, पड़ोसियों और रोज़मर्रा के जीवन की अनेक छोटी यात्राओं का भी स्वामी है। यह आपकी सहनशक्ति और साहस को दिखाता है, और उस तेज़, जिज्ञासु बुद्धि को भी जो प्रश्न पूछकर सीखती है और समझे बिना चैन नहीं लेती। शरीर में यह दाहिने कान और कंधों का स्वामी है। </translation>
    </message>
    <message>
        <source>The House of Family</source>
        <translation>परिवार का भाव</translation>
    </message>
    <message>
        <source>Matru Bhava / Bandhu Bhava</source>
        <translation>मातृ भाव / बन्धु भाव</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>चन्द्र</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>कर्क</translation>
    </message>
    <message>
        <source>Home, Family, Caring</source>
        <translation>घर, परिवार, देखभाल</translation>
    </message>
    <message>
        <source>To Belong </source>
        <translation>अपनापन पाना </translation>
    </message>
    <message>
        <source>This house is also known as ‘Matristhan’ in India or the house referring to your mother. It describes her influence on you and the emotional security you draw from your roots, which no success can replace. Here you find your need for privacy, the inner happiness that comes from feeling at home and the domestic comforts you gather about you, from property and land to vehicles. The fourth house rules your home and the bonds that tie your family together, as well as the heritage and traditions you carry forward into the generations to come. It speaks of your childhood and, at the other end of life, of your old age and the peace you hope to find there. In the body it governs the chest, the respiratory organs and the stomach. </source>
        <translation>इस भाव को भारत में ‘मातृस्थान’ भी कहा जाता है, यानी वह भाव जो आपकी माता से संबंधित है। यह आप पर उनके प्रभाव का और अपनी जड़ों से मिलने वाली उस भावनात्मक सुरक्षा का वर्णन करता है जिसकी जगह कोई सफलता नहीं ले सकती। यहाँ आपकी एकांत की आवश्यकता, घर जैसा अनुभव करने से मिलने वाला भीतरी सुख और वे घरेलू सुविधाएँ दिखाई देती हैं जो आप अपने आसपास जुटाते हैं, भूमि-भवन से लेकर वाहनों तक। चतुर्थ भाव आपके घर और उन बंधनों का स्वामी है जो परिवार को एक सूत्र में बाँधते हैं, और उस विरासत तथा उन परंपराओं का भी जिन्हें आप आने वाली पीढ़ियों तक ले जाते हैं। यह आपके बचपन की बात करता है और, जीवन के दूसरे छोर पर, आपकी वृद्धावस्था और उस शांति की भी जिसे आप उसमें पाना चाहते हैं। शरीर में यह छाती, श्वसन अंगों और पेट का स्वामी है। </translation>
    </message>
    <message>
        <source>The House of Pleasures</source>
        <translation>आनंद का भाव</translation>
    </message>
    <message>
        <source>Sukha Bhava / Budhi Bhava</source>
        <translation>सुख भाव / बुद्धि भाव</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>सूर्य</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>सिंह</translation>
    </message>
    <message>
        <source>Creativity, Romance, Hobbies</source>
        <translation>सृजनशीलता, प्रेम, शौक</translation>
    </message>
    <message>
        <source>To Create</source>
        <translation>रचना करना</translation>
    </message>
    <message>
        <source>This house signifies the place of love affairs, how you will relate to your fiancé and romantic attachments in your life. It is also the house of the intellect: your capacity to learn, your education and the judgement that grows from patient study. Creativity and self-expression belong here, whether you paint, write, perform or simply play, and so do the hobbies that make you feel truly alive. The fifth house is the house of children, showing your bonds with them and how wisely you guide their upbringing. A strong fifth house brings joy through “the things you make”, whether they are works of art or sons and daughters. In the body it governs the liver, the heart and the spleen. </source>
        <translation>यह भाव प्रेम-संबंधों का स्थान है: आप अपने होने वाले जीवनसाथी से और जीवन के प्रेम-लगावों से कैसे जुड़ेंगे। यह बुद्धि का भाव भी है: आपकी सीखने की क्षमता, आपकी शिक्षा और धैर्यपूर्ण अध्ययन से उपजने वाला विवेक। सृजनशीलता और आत्म-अभिव्यक्ति भी यहीं की हैं, चाहे आप चित्र बनाएँ, लिखें, मंच पर प्रस्तुति दें या बस खेलें, और वे शौक भी जिनसे आप सचमुच जीवंत अनुभव करते हैं। पंचम भाव संतान का भाव है, जो उनके साथ आपके संबंध और उनके पालन-पोषण में आपकी समझदारी दिखाता है। बलवान पंचम भाव “आपकी रचनाओं” से आनंद देता है, चाहे वे कलाकृतियाँ हों या पुत्र-पुत्रियाँ। शरीर में यह यकृत, हृदय और प्लीहा का स्वामी है। </translation>
    </message>
    <message>
        <source>The House of Health</source>
        <translation>स्वास्थ्य का भाव</translation>
    </message>
    <message>
        <source>Shatru Bhava / Kashta Bhava</source>
        <translation>शत्रु भाव / कष्ट भाव</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>कन्या</translation>
    </message>
    <message>
        <source>Health, Service, Work</source>
        <translation>स्वास्थ्य, सेवा, काम</translation>
    </message>
    <message>
        <source>To Serve</source>
        <translation>सेवा करना</translation>
    </message>
    <message>
        <source>This house indicates the skills we possess and the kind of work compatible with those abilities. It describes your workplace and your daily routines, how you get along with your colleagues and how you relate to your employer. Enemies, rivals and the obstacles you must overcome are read from this house, and so are litigation and the disputes that end up before a judge. Because it rules service and duty, it shows how you cope with pressure in your working day and whether you let it turn into stress or worry. It is also the house of diseases, indicating your resistance to illness and the care your body needs to stay healthy, calm and strong. In the body it governs the kidney, the uterus and the intestine. </source>
        <translation>यह भाव हमारे कौशलों का और उन क्षमताओं के अनुकूल काम का संकेत देता है। यह आपके कार्यस्थल और दिनचर्या का वर्णन करता है: सहकर्मियों से आपकी कैसी बनती है और अपने नियोक्ता से आपका कैसा संबंध है। शत्रु, प्रतिद्वंद्वी और वे बाधाएँ जिन्हें आपको पार करना है, इसी भाव से देखी जाती हैं, और मुकदमे तथा न्यायालय तक पहुँचने वाले विवाद भी। सेवा और कर्तव्य का स्वामी होने के कारण यह दिखाता है कि काम के दिन का दबाव आप कैसे झेलते हैं और उसे तनाव या चिंता में बदलने देते हैं या नहीं। यह रोगों का भाव भी है, जो बीमारी से लड़ने की आपकी क्षमता और उस देखभाल का संकेत देता है जो आपके शरीर को स्वस्थ, शांत और सशक्त रहने के लिए चाहिए। शरीर में यह गुर्दे, गर्भाशय और आँतों का स्वामी है। </translation>
    </message>
    <message>
        <source>The House of Partnerships</source>
        <translation>साझेदारी का भाव</translation>
    </message>
    <message>
        <source>Dara Bhava / Kalathra Bhava</source>
        <translation>दारा भाव / कलत्र भाव</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>तुला</translation>
    </message>
    <message>
        <source>Agreements, Partnerships, Marriage</source>
        <translation>अनुबंध, साझेदारी, विवाह</translation>
    </message>
    <message>
        <source>To Relate</source>
        <translation>संबंध जोड़ना</translation>
    </message>
    <message>
        <source>This house is commonly believed to define our conjugal life, the king of persons we are inclined to choose as a marriage partner and woes or happiness regarding your relationship with your spouse. Its reach goes beyond marriage, though: it governs every business partnership you enter and the contracts that bind you to others.  It shows how you relate to your peers, whether you meet them as true equals and what you expect from them in return. Open rivals are also read here, since they are partners of a kind. When the lord of the seventh house is well placed, you may look forward to a loyal spouse and a lasting union. In the body it governs the genitals. </source>
        <translation>यह भाव सामान्यतः हमारे दांपत्य जीवन को परिभाषित करने वाला माना जाता है: हम किस प्रकार के व्यक्ति को जीवनसाथी के रूप में चुनना चाहते हैं, और पति या पत्नी के साथ संबंध में दुख या सुख। पर इसका दायरा विवाह से आगे जाता है: यह आपकी हर व्यावसायिक साझेदारी और उन अनुबंधों का भी स्वामी है जो आपको दूसरों से बाँधते हैं। यह दिखाता है कि आप अपने समकक्षों से कैसे जुड़ते हैं, क्या आप उनसे सच्चे बराबरी वालों की तरह मिलते हैं और बदले में उनसे क्या अपेक्षा रखते हैं। खुले प्रतिद्वंद्वी भी यहीं देखे जाते हैं, क्योंकि वे भी एक प्रकार के साझेदार हैं। जब सप्तम भाव का स्वामी अच्छी स्थिति में हो, तो आप निष्ठावान जीवनसाथी और टिकाऊ संबंध की आशा कर सकते हैं। शरीर में यह जननांगों का स्वामी है। </translation>
    </message>
    <message>
        <source>The House of Accidents and Death</source>
        <translation>दुर्घटना और मृत्यु का भाव</translation>
    </message>
    <message>
        <source>Marna Bhava / Ayur Bhava</source>
        <translation>मरण भाव / आयु भाव</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>वृश्चिक</translation>
    </message>
    <message>
        <source>Sex, Possessions, Death</source>
        <translation>काम-भाव, संपत्ति, मृत्यु</translation>
    </message>
    <message>
        <source>To Transform</source>
        <translation>रूपांतरित होना</translation>
    </message>
    <message>
        <source>This house corresponds to the sexual nature of a person. It is also known as the house of death, and it indicates your longevity, the dangers you might face and even the risk of imprisonment. Above all it is the house of transformation: the life-changing events that end one chapter and begin another. It holds your secrets and hidden fears, including the phobias you may not admit even to yourself, and your urge to probe what others conceal. Inheritance, legacies and other unconventional income, money that comes through others rather than from your own labour, are read here as well. In the body it governs the sexual organs. </source>
        <translation>यह भाव व्यक्ति की काम-प्रकृति से जुड़ा है। इसे मृत्यु का भाव भी कहा जाता है, और यह आपकी आयु, आपके सामने आ सकने वाले संकटों और कारावास तक के जोखिम का संकेत देता है। सबसे बढ़कर यह रूपांतरण का भाव है: जीवन बदल देने वाली वे घटनाएँ जो एक अध्याय समाप्त करके दूसरा आरंभ करती हैं। इसमें आपके रहस्य और छिपे भय रहते हैं, वे भय भी जिन्हें आप स्वयं से भी स्वीकार न करें, और दूसरों के छिपाए हुए को टटोलने की आपकी ललक भी। उत्तराधिकार, वसीयत और अन्य अपरंपरागत आय, यानी अपने श्रम के बजाय दूसरों के माध्यम से आने वाला धन, भी यहीं से देखे जाते हैं। शरीर में यह गुप्तांगों का स्वामी है। </translation>
    </message>
    <message>
        <source>The House of Fate</source>
        <translation>भाग्य का भाव</translation>
    </message>
    <message>
        <source>Dharma Bhava</source>
        <translation>धर्म भाव</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>गुरु</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>धनु</translation>
    </message>
    <message>
        <source>Travel, Philosophy, Higher Mind</source>
        <translation>यात्रा, दर्शन, उच्च बुद्धि</translation>
    </message>
    <message>
        <source>To Explore</source>
        <translation>खोज करना</translation>
    </message>
    <message>
        <source>This house of your natal chart defines the values you follow throughout your life, philosophic understanding of this world as well as your religious orientation. It is the house of luck and fortune, showing where grace finds you without effort and blessings arrive unasked. Higher education, study and the teachers who widen your horizons belong here, along with the prosperity and fame they can bring. It reveals your intuition and the long journeys, outward and inward, that shape your outlook. The ninth house also speaks of your grandchildren and of the dreams you hold for the future, the vision of a life lived well. </source>
        <translation>आपकी जन्म कुंडली का यह भाव उन मूल्यों को परिभाषित करता है जिन पर आप जीवन भर चलते हैं, इस संसार की आपकी दार्शनिक समझ को और आपकी धार्मिक प्रवृत्ति को भी। यह भाग्य और सौभाग्य का भाव है, जो दिखाता है कि कहाँ बिना प्रयास कृपा आप तक पहुँचती है और बिन माँगे आशीर्वाद मिलते हैं। उच्च शिक्षा, अध्ययन और आपके क्षितिज को विस्तृत करने वाले गुरु यहीं के हैं, साथ ही वह समृद्धि और यश भी जो वे दिला सकते हैं। यह आपकी अंतःप्रज्ञा को और बाहर तथा भीतर की उन लंबी यात्राओं को प्रकट करता है जो आपका दृष्टिकोण गढ़ती हैं। नवम भाव आपके पौत्र-पौत्रियों की और भविष्य के लिए आपके सपनों की भी बात करता है, यानी अच्छी तरह जिए गए जीवन की परिकल्पना। </translation>
    </message>
    <message>
        <source>The House of Career</source>
        <translation>व्यवसाय का भाव</translation>
    </message>
    <message>
        <source>Karma Bhava / Shubha Bhava</source>
        <translation>कर्म भाव / शुभ भाव</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>शनि</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>मकर</translation>
    </message>
    <message>
        <source>Ambition, Career, Public Image</source>
        <translation>महत्त्वाकांक्षा, व्यवसाय, सार्वजनिक छवि</translation>
    </message>
    <message>
        <source>To Achieve</source>
        <translation>उपलब्धि पाना</translation>
    </message>
    <message>
        <source>This house of tells about your career and your orientation regarding work and employment. It shows the lasting relationships you build at all levels of your professional life and the achievements for which you will be remembered. It is also the house of your father and of his influence on the path you choose. Your reputation and the public image you present take their shape here, at the peak of the chart. When benefics occupy it, you rise to positions of authority and win honour and respect, and your name becomes known. In the body it governs the hair, the knees, the bones, the joints and the spine.  </source>
        <translation>यह भाव आपके व्यवसाय के बारे में और काम तथा रोज़गार के प्रति आपके रुझान के बारे में बताता है। यह आपके पेशेवर जीवन के हर स्तर पर बनने वाले स्थायी संबंधों को और उन उपलब्धियों को दिखाता है जिनके लिए आपको याद किया जाएगा। यह आपके पिता का और आपके चुने हुए मार्ग पर उनके प्रभाव का भाव भी है। आपकी प्रतिष्ठा और सार्वजनिक छवि यहीं, कुंडली के शिखर पर, आकार लेती है। जब इसमें शुभ ग्रह हों, तो आप अधिकार के पदों तक पहुँचते हैं, मान-सम्मान पाते हैं और आपका नाम प्रसिद्ध होता है। शरीर में यह बालों, घुटनों, हड्डियों, जोड़ों और रीढ़ का स्वामी है।  </translation>
    </message>
    <message>
        <source>The House of Hopes</source>
        <translation>आशाओं का भाव</translation>
    </message>
    <message>
        <source>Labha Bhava / Aya Bhava</source>
        <translation>लाभ भाव / आय भाव</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>अरुण (यूरेनस)</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>कुम्भ</translation>
    </message>
    <message>
        <source>Friends, Hopes, Goals</source>
        <translation>मित्र, आशाएँ, लक्ष्य</translation>
    </message>
    <message>
        <source>To Innovate</source>
        <translation>नवाचार करना</translation>
    </message>
    <message>
        <source>This house is traditionally known as the house of income. It shows your monetary gains, particularly those that come from your work and your connections. Your sociability and the goals you set for yourself are read here, along with the humanitarian and political interests that draw you into groups. The eleventh house rules your friends and your popularity, and how far your hopes are fulfilled through them. It also speaks of adoption and of step-children, the family you choose rather than the one you are born into. A well-placed lord of this house lets your earnings grow steadily. In the body it governs the teeth, the left ear, the ankles and the legs. </source>
        <translation>यह भाव परंपरा से आय का भाव माना जाता है। यह आपके आर्थिक लाभ दिखाता है, विशेषकर वे जो आपके काम और आपके संपर्कों से आते हैं। आपकी मिलनसारिता और अपने लिए तय किए गए लक्ष्य यहीं से देखे जाते हैं, साथ ही वे मानवतावादी और राजनीतिक रुचियाँ भी जो आपको समूहों की ओर खींचती हैं। एकादश भाव आपके मित्रों और आपकी लोकप्रियता का स्वामी है, और यह भी बताता है कि उनके माध्यम से आपकी आशाएँ कितनी पूरी होती हैं। यह गोद लेने और सौतेली संतान की भी बात करता है, यानी वह परिवार जिसे आप चुनते हैं, न कि वह जिसमें जन्म लेते हैं। इस भाव का स्वामी अच्छी स्थिति में हो तो आपकी कमाई निरंतर बढ़ती है। शरीर में यह दाँतों, बाएँ कान, टखनों और पैरों का स्वामी है। </translation>
    </message>
    <message>
        <source>The House of Shortcomings</source>
        <translation>कमियों का भाव</translation>
    </message>
    <message>
        <source>Vyaya Bhava</source>
        <translation>व्यय भाव</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>वरुण (नेपच्यून)</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>मीन</translation>
    </message>
    <message>
        <source>Compassion, Intuition, Mental Health</source>
        <translation>करुणा, अंतःप्रज्ञा, मानसिक स्वास्थ्य</translation>
    </message>
    <message>
        <source>To Reintegrate</source>
        <translation>फिर से एकात्म होना</translation>
    </message>
    <message>
        <source>In Indian Astrology, this house is known as the ‘Vyaysthana’ or the house of expenses. It governs your psychic perception and the hidden persona you show to no one. Here lies your karma, and with it your capacity for charity, but also your sorrow and the clandestine affairs you keep from the world. It marks the limitations you face, whether in a hospital, an ashram or a foreign land, and asks for prudence with money, since what is spent here rarely returns. The twelfth house also speaks of the after-life and of your previous births. In the body it governs the left eye and the feet. </source>
        <translation>भारतीय ज्योतिष में इस भाव को ‘व्ययस्थान’ यानी खर्चों का भाव कहा जाता है। यह आपकी अतींद्रिय अनुभूति का और उस छिपे व्यक्तित्व का स्वामी है जिसे आप किसी को नहीं दिखाते। यहीं आपका कर्म है, और उसके साथ दान की आपकी क्षमता भी, पर आपका दुख और वे गुप्त संबंध भी जिन्हें आप संसार से छिपाकर रखते हैं। यह आपके सामने आने वाली सीमाओं को दर्शाता है, चाहे वह अस्पताल हो, आश्रम हो या परदेस, और धन के मामले में सावधानी माँगता है, क्योंकि यहाँ जो खर्च होता है वह कम ही लौटता है। द्वादश भाव परलोक और आपके पूर्वजन्मों की भी बात करता है। शरीर में यह बाईं आँख और पैरों का स्वामी है। </translation>
    </message>
    <message>
        <source>Angular House (Action)</source>
        <translation>केन्द्र भाव (क्रिया)</translation>
    </message>
    <message>
        <source>Succedent House (Fixed)</source>
        <translation>पणफर भाव (स्थिर)</translation>
    </message>
    <message>
        <source>Cadent House (Adaptable)</source>
        <translation>आपोक्लिम भाव (परिवर्तनशील)</translation>
    </message>
    <message>
        <source>Cardinal (Kendra)</source>
        <translation>चर (केन्द्र)</translation>
    </message>
    <message>
        <source>Fixed (Panapara) </source>
        <translation>स्थिर (पणफर) </translation>
    </message>
    <message>
        <source>Mutable (Apoklima) </source>
        <translation>द्विस्वभाव (आपोक्लिम) </translation>
    </message>
    <message>
        <source>Fire (Dharma) Houses</source>
        <translation>अग्नि (धर्म) भाव</translation>
    </message>
    <message>
        <source>Earth (Artha) Houses</source>
        <translation>पृथ्वी (अर्थ) भाव</translation>
    </message>
    <message>
        <source>Air (Kama) Houses</source>
        <translation>वायु (काम) भाव</translation>
    </message>
    <message>
        <source>Water (Moksha) Houses</source>
        <translation>जल (मोक्ष) भाव</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>पहला</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>दूसरा</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>तीसरा</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>चौथा</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>पाँचवाँ</translation>
    </message>
    <message>
        <source>6th</source>
        <translation>छठा</translation>
    </message>
    <message>
        <source>7th</source>
        <translation>सातवाँ</translation>
    </message>
    <message>
        <source>8th</source>
        <translation>आठवाँ</translation>
    </message>
    <message>
        <source>9th</source>
        <translation>नौवाँ</translation>
    </message>
    <message>
        <source>10th</source>
        <translation>दसवाँ</translation>
    </message>
    <message>
        <source>11th</source>
        <translation>ग्यारहवाँ</translation>
    </message>
    <message>
        <source>12th</source>
        <translation>बारहवाँ</translation>
    </message>
    <message>
        <source>Click Here To Show Characteristics Of %1 House</source>
        <translation>विशेषताएँ देखने के लिए यहाँ क्लिक करें: %1 भाव</translation>
    </message>
</context>
<context>
    <name>KeyFilter</name>
    <message>
        <source>Please Enter only Letters</source>
        <translation>कृपया केवल अक्षर लिखें</translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>केवल अंक स्वीकार्य हैं</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>भाषा(&amp;L)</translation>
    </message>
</context>
<context>
    <name>Months</name>
    <message>
        <source>January</source>
        <translation>जनवरी</translation>
    </message>
    <message>
        <source>February</source>
        <translation>फ़रवरी</translation>
    </message>
    <message>
        <source>March</source>
        <translation>मार्च</translation>
    </message>
    <message>
        <source>April</source>
        <translation>अप्रैल</translation>
    </message>
    <message>
        <source>May</source>
        <translation>मई</translation>
    </message>
    <message>
        <source>June</source>
        <translation>जून</translation>
    </message>
    <message>
        <source>July</source>
        <translation>जुलाई</translation>
    </message>
    <message>
        <source>August</source>
        <translation>अगस्त</translation>
    </message>
    <message>
        <source>September</source>
        <translation>सितंबर</translation>
    </message>
    <message>
        <source>October</source>
        <translation>अक्टूबर</translation>
    </message>
    <message>
        <source>November</source>
        <translation>नवंबर</translation>
    </message>
    <message>
        <source>December</source>
        <translation>दिसंबर</translation>
    </message>
</context>
<context>
    <name>Nakshatras</name>
    <message>
        <source>Ashwini</source>
        <translation>अश्विनी</translation>
    </message>
    <message>
        <source>Bharani</source>
        <translation>भरणी</translation>
    </message>
    <message>
        <source>Krittika</source>
        <translation>कृत्तिका</translation>
    </message>
    <message>
        <source>Rohini</source>
        <translation>रोहिणी</translation>
    </message>
    <message>
        <source>Mrigashira</source>
        <translation>मृगशिरा</translation>
    </message>
    <message>
        <source>Ardra</source>
        <translation>आर्द्रा</translation>
    </message>
    <message>
        <source>Punarvasu</source>
        <translation>पुनर्वसु</translation>
    </message>
    <message>
        <source>Pushya</source>
        <translation>पुष्य</translation>
    </message>
    <message>
        <source>Ashlesha</source>
        <translation>आश्लेषा</translation>
    </message>
    <message>
        <source>Magha</source>
        <translation>मघा</translation>
    </message>
    <message>
        <source>Purva Phalguni</source>
        <translation>पूर्वा फाल्गुनी</translation>
    </message>
    <message>
        <source>Uttara Phalguni</source>
        <translation>उत्तरा फाल्गुनी</translation>
    </message>
    <message>
        <source>Hasta</source>
        <translation>हस्त</translation>
    </message>
    <message>
        <source>Chitra</source>
        <translation>चित्रा</translation>
    </message>
    <message>
        <source>Swati</source>
        <translation>स्वाति</translation>
    </message>
    <message>
        <source>Vishakha</source>
        <translation>विशाखा</translation>
    </message>
    <message>
        <source>Anuradha</source>
        <translation>अनुराधा</translation>
    </message>
    <message>
        <source>Jyeshtha</source>
        <translation>ज्येष्ठा</translation>
    </message>
    <message>
        <source>Mula</source>
        <translation>मूल</translation>
    </message>
    <message>
        <source>Purva Ashadha</source>
        <translation>पूर्वाषाढ़ा</translation>
    </message>
    <message>
        <source>Uttara Ashadha</source>
        <translation>उत्तराषाढ़ा</translation>
    </message>
    <message>
        <source>Shravana</source>
        <translation>श्रवण</translation>
    </message>
    <message>
        <source>Dhanishta</source>
        <translation>धनिष्ठा</translation>
    </message>
    <message>
        <source>Shatabhisha</source>
        <translation>शतभिषा</translation>
    </message>
    <message>
        <source>Purva Bhadrapada</source>
        <translation>पूर्वा भाद्रपद</translation>
    </message>
    <message>
        <source>Uttara Bhadrapada</source>
        <translation>उत्तरा भाद्रपद</translation>
    </message>
    <message>
        <source>Revati</source>
        <translation>रेवती</translation>
    </message>
</context>
<context>
    <name>OpenReading</name>
    <message>
        <source>Select the source file</source>
        <translation>स्रोत फ़ाइल चुनें</translation>
    </message>
</context>
<context>
    <name>Planets</name>
    <message>
        <source>Sun</source>
        <translation>सूर्य</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>चन्द्र</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>मंगल</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>बुध</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>गुरु</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>शुक्र</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>शनि</translation>
    </message>
    <message>
        <source>Rahu</source>
        <translation>राहु</translation>
    </message>
    <message>
        <source>Ketu</source>
        <translation>केतु</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>लग्न</translation>
    </message>
    <message>
        <source>(R)</source>
        <translation>(व)</translation>
    </message>
</context>
<context>
    <name>ReadingDocument</name>
    <message>
        <source>over %1</source>
        <translation>%1 से अधिक</translation>
    </message>
    <message>
        <source>Houses</source>
        <translation>भाव</translation>
    </message>
    <message>
        <source>House</source>
        <translation>भाव</translation>
    </message>
    <message>
        <source>Bhava Madhya</source>
        <translation>भाव मध्य</translation>
    </message>
    <message>
        <source>Bhava Sandhi</source>
        <translation>भाव संधि</translation>
    </message>
    <message>
        <source>Planets in Bhavas</source>
        <translation>भावों में ग्रह</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>ग्रह</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>स्पष्ट</translation>
    </message>
    <message>
        <source>Bhava</source>
        <translation>भाव</translation>
    </message>
    <message>
        <source>Minutes earlier</source>
        <translation>मिनट पहले</translation>
    </message>
    <message>
        <source>Minutes later</source>
        <translation>मिनट बाद</translation>
    </message>
    <message>
        <source>Ascendant changes sign</source>
        <translation>लग्न की राशि बदलती है</translation>
    </message>
    <message>
        <source>(R) retrograde. Minutes earlier and later: how far the birth time may be wrong before the planet stands in another Bhava (or the ascendant in another sign); %1 minutes or fewer in bold.</source>
        <translation>(व) वक्री। मिनट पहले और बाद: जन्म समय कितना आगे-पीछे हो तो ग्रह दूसरे भाव में चला जाए (या लग्न दूसरी राशि में); %1 मिनट या उससे कम मोटे अक्षरों में।</translation>
    </message>
    <message>
        <source>Bhava Chart Reading</source>
        <translation>भाव कुंडली फलादेश</translation>
    </message>
    <message>
        <source>Date of birth</source>
        <translation>जन्म तिथि</translation>
    </message>
    <message>
        <source>Time of birth</source>
        <translation>जन्म समय</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>स्थान</translation>
    </message>
    <message>
        <source>not given</source>
        <translation>नहीं दिया गया</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>अक्षांश</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>देशांतर</translation>
    </message>
    <message>
        <source>Offset used</source>
        <translation>प्रयुक्त समय-अंतर</translation>
    </message>
    <message>
        <source>Julian Day</source>
        <translation>जूलियन दिन</translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translation>अयनांश</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>लग्न</translation>
    </message>
    <message>
        <source>Midheaven</source>
        <translation>दशम लग्न</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>चेतावनियाँ</translation>
    </message>
    <message>
        <source>Interpretation of Houses</source>
        <translation>भावों का फलादेश</translation>
    </message>
    <message>
        <source>House %1: %2</source>
        <translation>भाव %1: %2</translation>
    </message>
    <message>
        <source>Sanskrit Name</source>
        <translation>संस्कृत नाम</translation>
    </message>
    <message>
        <source>Planet Ruler</source>
        <translation>स्वामी ग्रह</translation>
    </message>
    <message>
        <source>Sign Ruler</source>
        <translation>स्वामी राशि</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>मुख्य शब्द</translation>
    </message>
    <message>
        <source>Mantra</source>
        <translation>मंत्र</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>प्रकार</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>गुण</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>तत्त्व</translation>
    </message>
    <message>
        <source>Bhava Madhya %1, Bhava Sandhi %2</source>
        <translation>भाव मध्य %1, भाव संधि %2</translation>
    </message>
    <message>
        <source>; planets: %1</source>
        <translation>; ग्रह: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>कोई नहीं</translation>
    </message>
    <message>
        <source>In this chart</source>
        <translation>इस कुंडली में</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>पृष्ठ %1 / %2</translation>
    </message>
    <message>
        <source>%1: %2, born %3</source>
        <translation>%1: %2, जन्म %3</translation>
    </message>
    <message>
        <source>Rasi and Navamsa</source>
        <translation>राशि और नवांश</translation>
    </message>
    <message>
        <source>Nakshatras</source>
        <translation>नक्षत्र</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>नक्षत्र</translation>
    </message>
    <message>
        <source>Pada</source>
        <translation>चरण</translation>
    </message>
    <message>
        <source>Lord</source>
        <translation>स्वामी</translation>
    </message>
    <message>
        <source>Vimshottari dasha</source>
        <translation>विंशोत्तरी दशा</translation>
    </message>
    <message>
        <source>Balance at birth</source>
        <translation>जन्म के समय शेष दशा</translation>
    </message>
    <message>
        <source>Dasha year</source>
        <translation>दशा वर्ष</translation>
    </message>
    <message>
        <source>Maha dasha</source>
        <translation>महादशा</translation>
    </message>
    <message>
        <source>Antar dashas, each from its date to the next</source>
        <translation>अंतर्दशाएँ, हर एक अपनी तिथि से अगली तिथि तक</translation>
    </message>
    <message>
        <source>to %1</source>
        <translation>%1 तक</translation>
    </message>
    <message>
        <source>%1: %2 years, %3 months, %4 days</source>
        <translation>%1: %2 वर्ष, %3 माह, %4 दिन</translation>
    </message>
</context>
<context>
    <name>ReadingFiles</name>
    <message>
        <source>Export PDF</source>
        <translation>PDF निर्यात करें</translation>
    </message>
    <message>
        <source>The reading could not be saved.
</source>
        <translation>फलादेश सहेजा नहीं जा सका।
</translation>
    </message>
    <message>
        <source>Save Chart Picture</source>
        <translation>कुंडली का चित्र सहेजें</translation>
    </message>
    <message>
        <source>The chart picture could not be saved.
</source>
        <translation>कुंडली का चित्र सहेजा नहीं जा सका।
</translation>
    </message>
    <message>
        <source>Some characters cannot be stored in a reading file and were left out:</source>
        <translation>कुछ अक्षर फलादेश फ़ाइल में नहीं रखे जा सकते, इसलिए छोड़ दिए गए:</translation>
    </message>
</context>
<context>
    <name>ReadingTexts</name>
    <message>
        <source>any number of hours</source>
        <translation>कितने भी घंटे</translation>
    </message>
    <message>
        <source>%1 hour</source>
        <translation>%1 घंटा</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 घंटे</translation>
    </message>
    <message>
        <source>%1 on %2 %3 %4</source>
        <translation>%2 %3 %4 को %1</translation>
    </message>
    <message>
        <source>before %1</source>
        <translation>%1 से पहले</translation>
    </message>
    <message>
        <source>after %1</source>
        <translation>%1 के बाद</translation>
    </message>
    <message>
        <source>%1 holds from %2 to %3</source>
        <translation>%1: %2 से %3 तक</translation>
    </message>
    <message>
        <source>Each minute later moves these dates %1 days %2 (while the Moon stays in %3: from %4 earlier to %5 later)</source>
        <translation>जन्म एक मिनट बाद होने पर ये तिथियाँ %1 दिन %2 हो जाती हैं (जब तक चन्द्र %3 में रहे: %4 पहले से %5 बाद तक)</translation>
    </message>
    <message>
        <source>earlier</source>
        <translation>पहले</translation>
    </message>
    <message>
        <source>later</source>
        <translation>बाद</translation>
    </message>
</context>
<context>
    <name>SharedMenus</name>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>सॉफ़्टवेयर अपडेट जाँचें(&amp;C)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>सॉफ़्टवेयर अपडेट जाँचें(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>सहायता(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ऑनलाइन सहायता(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>हमारी वेबसाइट देखें(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>सॉफ़्टवेयर के बारे में(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>दान करें(&amp;D)</translation>
    </message>
</context>
<context>
    <name>Signs</name>
    <message>
        <source>Aries</source>
        <translation>मेष</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>वृषभ</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>मिथुन</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>कर्क</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>सिंह</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>कन्या</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>तुला</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>वृश्चिक</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>धनु</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>मकर</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>कुम्भ</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>मीन</translation>
    </message>
    <message>
        <source>Ari</source>
        <translation>मेष</translation>
    </message>
    <message>
        <source>Tau</source>
        <translation>वृष</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>मिथुन</translation>
    </message>
    <message>
        <source>Can</source>
        <translation>कर्क</translation>
    </message>
    <message>
        <source>Vir</source>
        <translation>कन्या</translation>
    </message>
    <message>
        <source>Lib</source>
        <translation>तुला</translation>
    </message>
    <message>
        <source>Sco</source>
        <translation>वृश्चिक</translation>
    </message>
    <message>
        <source>Sag</source>
        <translation>धनु</translation>
    </message>
    <message>
        <source>Cap</source>
        <translation>मकर</translation>
    </message>
    <message>
        <source>Aqu</source>
        <translation>कुंभ</translation>
    </message>
    <message>
        <source>Pis</source>
        <translation>मीन</translation>
    </message>
</context>
<context>
    <name>TimeZones</name>
    <message>
        <source>Alaska/Hawaii Daylight Time,AHDT,-9.0</source>
        <translation>अलास्का/हवाई ग्रीष्मकालीन समय,AHDT,-9.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time,AHST,-10.0</source>
        <translation>अलास्का/हवाई मानक समय,AHST,-10.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time,AHWT,-9.0</source>
        <translation>अलास्का/हवाई युद्धकालीन समय,AHWT,-9.0</translation>
    </message>
    <message>
        <source>Atlantic Standard Time,AST,-4.0</source>
        <translation>अटलांटिक मानक समय,AST,-4.0</translation>
    </message>
    <message>
        <source>Atlantic War Time,AWT,-3.0</source>
        <translation>अटलांटिक युद्धकालीन समय,AWT,-3.0</translation>
    </message>
    <message>
        <source>Australian Central Daylight Time,ACDT,+10.5</source>
        <translation>ऑस्ट्रेलियाई मध्य ग्रीष्मकालीन समय,ACDT,+10.5</translation>
    </message>
    <message>
        <source>Australian Central Standard Time,ACST,+9.5</source>
        <translation>ऑस्ट्रेलियाई मध्य मानक समय,ACST,+9.5</translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time,AEDT,+11.0</source>
        <translation>ऑस्ट्रेलियाई पूर्वी ग्रीष्मकालीन समय,AEDT,+11.0</translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time,AEST,+10.0</source>
        <translation>ऑस्ट्रेलियाई पूर्वी मानक समय,AEST,+10.0</translation>
    </message>
    <message>
        <source>Australian Western Daylight Time,AWDT,+9.0</source>
        <translation>ऑस्ट्रेलियाई पश्चिमी ग्रीष्मकालीन समय,AWDT,+9.0</translation>
    </message>
    <message>
        <source>Australian Western Standard Time,AWST,+8.0</source>
        <translation>ऑस्ट्रेलियाई पश्चिमी मानक समय,AWST,+8.0</translation>
    </message>
    <message>
        <source>Azores Time, AT, -2.0</source>
        <translation>अज़ोरेस समय, AT, -2.0</translation>
    </message>
    <message>
        <source>Baghdad Time, BAT, +3.0</source>
        <translation>बग़दाद समय, BAT, +3.0</translation>
    </message>
    <message>
        <source>Bering Standard Time,BET,-11.0</source>
        <translation>बेरिंग मानक समय,BET,-11.0</translation>
    </message>
    <message>
        <source>Brazil Zone 2,BZT2,-3.0</source>
        <translation>ब्राज़ील क्षेत्र 2,BZT2,-3.0</translation>
    </message>
    <message>
        <source>British Double Summer Time,BDST,+2.0</source>
        <translation>ब्रिटिश दोहरा ग्रीष्मकालीन समय,BDST,+2.0</translation>
    </message>
    <message>
        <source>British Summer Time,BST,+1.0</source>
        <translation>ब्रिटिश ग्रीष्मकालीन समय,BST,+1.0</translation>
    </message>
    <message>
        <source>British War Time,BWT,+2.0</source>
        <translation>ब्रिटिश युद्धकालीन समय,BWT,+2.0</translation>
    </message>
    <message>
        <source>Central Daylight Time,CDT,-5.0</source>
        <translation>मध्य ग्रीष्मकालीन समय,CDT,-5.0</translation>
    </message>
    <message>
        <source>Central European Daylight,CED,+2.0</source>
        <translation>मध्य यूरोपीय ग्रीष्मकालीन,CED,+2.0</translation>
    </message>
    <message>
        <source>Central European Time,CET,+1.0</source>
        <translation>मध्य यूरोपीय समय,CET,+1.0</translation>
    </message>
    <message>
        <source>Central Standard Time,CST,-6.0</source>
        <translation>मध्य मानक समय,CST,-6.0</translation>
    </message>
    <message>
        <source>Central War Time,CWT,-5.0</source>
        <translation>मध्य युद्धकालीन समय,CWT,-5.0</translation>
    </message>
    <message>
        <source>China Coast Time,CCT,+8.0</source>
        <translation>चीन तटीय समय,CCT,+8.0</translation>
    </message>
    <message>
        <source>Eastern Daylight Time,EDT,-4.0</source>
        <translation>पूर्वी ग्रीष्मकालीन समय,EDT,-4.0</translation>
    </message>
    <message>
        <source>Eastern European Daylight Time,EED,+3.0</source>
        <translation>पूर्वी यूरोपीय ग्रीष्मकालीन समय,EED,+3.0</translation>
    </message>
    <message>
        <source>Eastern European Time,EET,+2.0</source>
        <translation>पूर्वी यूरोपीय समय,EET,+2.0</translation>
    </message>
    <message>
        <source>Eastern Standard Time,EST,-5.0</source>
        <translation>पूर्वी मानक समय,EST,-5.0</translation>
    </message>
    <message>
        <source>Eastern War Time,EWT,-4.0</source>
        <translation>पूर्वी युद्धकालीन समय,EWT,-4.0</translation>
    </message>
    <message>
        <source>Greenwich Mean Time,GMT,0.0</source>
        <translation>ग्रीनविच माध्य समय,GMT,0.0</translation>
    </message>
    <message>
        <source>Guam Standard Time,GST,+10.0</source>
        <translation>गुआम मानक समय,GST,+10.0</translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time,HDT,-9.5</source>
        <translation>हवाई ग्रीष्मकालीन समय,HDT,-9.5</translation>
    </message>
    <message>
        <source>Hawaiian Standard Time,HST,-10.5</source>
        <translation>हवाई मानक समय,HST,-10.5</translation>
    </message>
    <message>
        <source>Hawaiian War Time,HWT,-9.5</source>
        <translation>हवाई युद्धकालीन समय,HWT,-9.5</translation>
    </message>
    <message>
        <source>Indian Time, IST, +5.3</source>
        <translation>भारतीय समय, IST, +5.3</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East,IDLE,+12.0</source>
        <translation>अंतरराष्ट्रीय तिथि रेखा पूर्व,IDLE,+12.0</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West,IDLW,-12.0</source>
        <translation>अंतरराष्ट्रीय तिथि रेखा पश्चिम,IDLW,-12.0</translation>
    </message>
    <message>
        <source>Iran Time, IT, +3.5</source>
        <translation>ईरान समय, IT, +3.5</translation>
    </message>
    <message>
        <source>Japan Standard Time,JST,+9.0</source>
        <translation>जापान मानक समय,JST,+9.0</translation>
    </message>
    <message>
        <source>Java Time, JT, +7.5</source>
        <translation>जावा समय, JT, +7.5</translation>
    </message>
    <message>
        <source>Middle European Daylight Time,MED,+2.0</source>
        <translation>मध्य यूरोपीय ग्रीष्मकालीन समय,MED,+2.0</translation>
    </message>
    <message>
        <source>Middle European Time,MET,+1.0</source>
        <translation>मध्य यूरोपीय समय,MET,+1.0</translation>
    </message>
    <message>
        <source>Moluccas Time, MT, +8.5</source>
        <translation>मोलुक्का समय, MT, +8.5</translation>
    </message>
    <message>
        <source>Mountain Daylight Time,MDT,-6.0</source>
        <translation>माउंटेन ग्रीष्मकालीन समय,MDT,-6.0</translation>
    </message>
    <message>
        <source>Mountain Standard Time,MST,-7.0</source>
        <translation>माउंटेन मानक समय,MST,-7.0</translation>
    </message>
    <message>
        <source>Mountain War Time,MWT,-6.0</source>
        <translation>माउंटेन युद्धकालीन समय,MWT,-6.0</translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time,NZST,+13.0</source>
        <translation>न्यूज़ीलैंड मानक ग्रीष्मकालीन समय,NZST,+13.0</translation>
    </message>
    <message>
        <source>New Zealand Std Time,NZT,+12.0</source>
        <translation>न्यूज़ीलैंड मानक समय,NZT,+12.0</translation>
    </message>
    <message>
        <source>New Zealand Summer Time,NZS,+12.5</source>
        <translation>न्यूज़ीलैंड ग्रीष्मकालीन समय,NZS,+12.5</translation>
    </message>
    <message>
        <source>New Zealand Time,NZ,+11.5</source>
        <translation>न्यूज़ीलैंड समय,NZ,+11.5</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time,NST,-3.5</source>
        <translation>न्यूफ़ाउंडलैंड मानक समय,NST,-3.5</translation>
    </message>
    <message>
        <source>Nome Time, NT, -11.0</source>
        <translation>नोम समय, NT, -11.0</translation>
    </message>
    <message>
        <source>North Sumatra Time,NST,+6.5</source>
        <translation>उत्तर सुमात्रा समय,NST,+6.5</translation>
    </message>
    <message>
        <source>Pacific Daylight Time,PDT,-7.0</source>
        <translation>प्रशांत ग्रीष्मकालीन समय,PDT,-7.0</translation>
    </message>
    <message>
        <source>Pacific Standard Time,PST,-8.0</source>
        <translation>प्रशांत मानक समय,PST,-8.0</translation>
    </message>
    <message>
        <source>Pacific War Time,PWT,-7.0</source>
        <translation>प्रशांत युद्धकालीन समय,PWT,-7.0</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SAD,+10.5</source>
        <translation>दक्षिण ऑस्ट्रेलिया ग्रीष्मकालीन समय,SAD,+10.5</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SDT,+10.5</source>
        <translation>दक्षिण ऑस्ट्रेलिया ग्रीष्मकालीन समय,SDT,+10.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAST,+9.5</source>
        <translation>दक्षिण ऑस्ट्रेलिया मानक समय,SAST,+9.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAT,+9.5</source>
        <translation>दक्षिण ऑस्ट्रेलिया मानक समय,SAT,+9.5</translation>
    </message>
    <message>
        <source>South Sumatra Time,SST,+7.0</source>
        <translation>दक्षिण सुमात्रा समय,SST,+7.0</translation>
    </message>
    <message>
        <source>Universal Time, UT, 0.0</source>
        <translation>सार्वभौमिक समय, UT, 0.0</translation>
    </message>
    <message>
        <source>USSR Zone 10,UZ10,+11.0</source>
        <translation>सोवियत संघ क्षेत्र 10,UZ10,+11.0</translation>
    </message>
    <message>
        <source>USSR Zone 3,USZ3,+4.0</source>
        <translation>सोवियत संघ क्षेत्र 3,USZ3,+4.0</translation>
    </message>
    <message>
        <source>USSR Zone 4,USZ4,+5.0</source>
        <translation>सोवियत संघ क्षेत्र 4,USZ4,+5.0</translation>
    </message>
    <message>
        <source>USSR Zone 5,USZ5,+6.0</source>
        <translation>सोवियत संघ क्षेत्र 5,USZ5,+6.0</translation>
    </message>
    <message>
        <source>USSR Zone 6,USZ6,+7.0</source>
        <translation>सोवियत संघ क्षेत्र 6,USZ6,+7.0</translation>
    </message>
    <message>
        <source>West Africa Time,WAT,-1.0</source>
        <translation>पश्चिम अफ़्रीका समय,WAT,-1.0</translation>
    </message>
    <message>
        <source>Yukon Daylight Time,YDT,-8.0</source>
        <translation>युकोन ग्रीष्मकालीन समय,YDT,-8.0</translation>
    </message>
    <message>
        <source>Yukon Standard Time,YST,-9.0</source>
        <translation>युकोन मानक समय,YST,-9.0</translation>
    </message>
    <message>
        <source>Yukon War Time,YWT,-8.0</source>
        <translation>युकोन युद्धकालीन समय,YWT,-8.0</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>इस सॉफ़्टवेयर का नया संस्करण उपलब्ध हो सकता है</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>क्या आप अपडेट की जाँच करना चाहते हैं?</translation>
    </message>
</context>
<context>
    <name>Vargas</name>
    <message>
        <source>Rasi</source>
        <translation>राशि</translation>
    </message>
    <message>
        <source>Hora</source>
        <translation>होरा</translation>
    </message>
    <message>
        <source>Drekkana</source>
        <translation>द्रेष्काण</translation>
    </message>
    <message>
        <source>Chaturthamsa</source>
        <translation>चतुर्थांश</translation>
    </message>
    <message>
        <source>Saptamsa</source>
        <translation>सप्तमांश</translation>
    </message>
    <message>
        <source>Navamsa</source>
        <translation>नवमांश</translation>
    </message>
    <message>
        <source>Dasamsa</source>
        <translation>दशमांश</translation>
    </message>
    <message>
        <source>Dwadasamsa</source>
        <translation>द्वादशांश</translation>
    </message>
    <message>
        <source>Shodasamsa</source>
        <translation>षोडशांश</translation>
    </message>
    <message>
        <source>Vimsamsa</source>
        <translation>विंशांश</translation>
    </message>
    <message>
        <source>Chaturvimsamsa</source>
        <translation>चतुर्विंशांश</translation>
    </message>
    <message>
        <source>Nakshatramsa</source>
        <translation>नक्षत्रांश</translation>
    </message>
    <message>
        <source>Trimsamsa</source>
        <translation>त्रिंशांश</translation>
    </message>
    <message>
        <source>Khavedamsa</source>
        <translation>खवेदांश</translation>
    </message>
    <message>
        <source>Akshavedamsa</source>
        <translation>अक्षवेदांश</translation>
    </message>
    <message>
        <source>Shashtiamsa</source>
        <translation>षष्ट्यंश</translation>
    </message>
</context>
<context>
    <name>VedicTabs</name>
    <message>
        <source>%1 holds from %2</source>
        <translation>%1: %2 से</translation>
    </message>
    <message>
        <source>%1 holds to %2</source>
        <translation>%1: %2 तक</translation>
    </message>
    <message>
        <source>, within %1 minutes of the birth</source>
        <translation>, जन्म से %1 मिनट के भीतर</translation>
    </message>
    <message>
        <source>Maha dasha</source>
        <translation>महादशा</translation>
    </message>
    <message>
        <source>Antar dasha</source>
        <translation>अंतर्दशा</translation>
    </message>
    <message>
        <source>Pratyantar dasha</source>
        <translation>प्रत्यंतर दशा</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <translation>%3 में %1 %2</translation>
    </message>
    <message>
        <source>, from %1 to %2</source>
        <translation>, %1 से %2 तक</translation>
    </message>
    <message>
        <source>, running today</source>
        <translation>, आज चल रही</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 से %2 तक</translation>
    </message>
    <message>
        <source>ascendant in %1</source>
        <translation>लग्न %1 में</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 %2 में</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 और %2</translation>
    </message>
</context>
<context>
    <name>Warnings</name>
    <message>
        <source>The quadrants of this chart overlap: at this latitude and time the arc from the midheaven to the ascendant is more than 180°, so some houses repeat. The figures are those the method gives, kept as they are.</source>
        <translation>इस कुंडली के चतुर्थांश एक-दूसरे पर चढ़ते हैं: इस अक्षांश और समय पर दशम लग्न से लग्न तक का चाप 180° से अधिक है, इसलिए कुछ भाव दोहराए जाते हैं। आँकड़े वही हैं जो यह पद्धति देती है, जैसे के तैसे रखे गए हैं।</translation>
    </message>
</context>
<context>
    <name>ZoneFollowing</name>
    <message>
        <source>No place of the atlas lies within %1 km: type the zone.</source>
        <translation>एटलस का कोई स्थान %1 किमी के भीतर नहीं है: समय क्षेत्र स्वयं लिखें।</translation>
    </message>
    <message>
        <source>Nearest place in the atlas: %1, %2 km away, zone %3.</source>
        <translation>एटलस में निकटतम स्थान: %1, %2 किमी दूर, समय क्षेत्र %3।</translation>
    </message>
</context>
</TS>
