<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>core</name>
    <message>
        <source>The text is not well-formed XML: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text holds no word element.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text holds %1 word, %2 meaning and %3 usage elements; every word needs one meaning and one usage.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The selection &quot;%1&quot; is not valid: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The dictionary holds %1 elements of one kind; at most %2 are supported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position %1 is outside the word list (0 to %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a position in the word list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position %1 is too large.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server answered with status %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server sent nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server did not send a word list.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>core::DisplaySettings</name>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>core::ReviewSession</name>
    <message>
        <source>The dictionary %1 holds no word.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>importer</name>
    <message>
        <source>The package holds no Anki collection: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the collection is not a SQLite database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its col table is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the database has no notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The zip archive holds no Anki collection (collection.anki21b, collection.anki21 or collection.anki2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot unpack the package into a temporary file: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read %1: there is no such file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: a quoted field has no closing quote.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not a text file: it holds binary data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not a KVTML vocabulary: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Example</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paraphrase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it names no languages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Translation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 at byte %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its root element is not &lt;kvtml&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds no entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not a complete zip archive (it may be damaged or cut short): %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list has more than %1 words, more than a dictionary can hold.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too large for a word list (%2 MB).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The package unpacks to more than %1; it is refused as a possible zip bomb.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the data ends in the middle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The package&apos;s collection.anki21b is not valid zstd data: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The package&apos;s %1 cannot be unpacked: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>learning</name>
    <message>
        <source>Line %1 of the progress file: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a quote is not closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the word is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the rating is not 1 to 4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the duration is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is not UTF-8 text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the header must name the columns word, reviewed_at and rating.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The progress could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a progress file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was written by a newer version of Vocabrix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The progress file was damaged. It was kept as %1 and a new one was started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress is not being saved: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress is in use by another Vocabrix; an answer was not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress is not being saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The progress cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The progress could not be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no progress to export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown option %1. Use: vocabrix --memory-report [--fit]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the progress file %1: there is no such file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the progress file: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are too few answers to fit yet: it takes at least 8 answers each given a day or more after the one before.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The fitted model does not predict your answers better than the one in use, which stays.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The fitted model predicts your answers slightly better than the one in use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The fitted model predicts your answers %1 % better than the one in use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The memory parameters could not be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The memory parameters changed while the fit ran; nothing was adopted. Fit again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no such set of memory parameters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Below 80 %, many words will be forgotten between reviews and learnt again. Most learners do best between 80 and 95 %.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Above 95 %, words come back much more often for little more remembered. Most learners do best between 80 and 95 %.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 answers since the memory model was last fitted to you: Options, Study, Fit to my answers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 answers, and the memory model has not yet been fitted to you: Options, Study, Fit to my answers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>At your %1 %: about %2 words recalled on the exam day; no retention from 75 to 95 % recalls clearly more within your %n minutes a day.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>At your %1 %: about %2 words recalled on the exam day; no retention from 75 to 95 % recalls clearly more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>At %1 % rather than %2 %: about %3 words recalled on the exam day instead of %4, within your %n minutes a day.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>At %1 % rather than %2 %: about %3 words recalled on the exam day instead of %4.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>it is in none of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program&apos;s module %1 cannot be used: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To hear the words, install qt6-speech-flite-plugin (or qt6-speech-speechd-plugin with speech-dispatcher-espeak-ng) and a sound server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No speech engine is installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The speech engine %1 has no voice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speech does not work here: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The response is larger than %1 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1: the file is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>widgets</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help cannot be shown: the file %1 is missing. Copy the help folder back into the program folder or install Vocabrix again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>widgets::CalendarChart</name>
    <message>
        <source>Less</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answers</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>widgets::ChartPanel</name>
    <message>
        <source>Values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as PNG...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the values of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save %1 as PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>widgets::FirstStart</name>
    <message>
        <source>Welcome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you studying for an exam? Its date sets how many new words Study Today brings each day. You can change it at any time in Options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My &amp;exam is on:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exam date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the date, or no exam date when it is not ticked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save and Study &amp;Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The study settings could not be saved. </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>widgets::FitWindow</name>
    <message>
        <source>Fit to My Answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The fit was cancelled. Nothing was kept or changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The fit could not be kept, and nothing was changed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The memory model decides when each word comes back. Fitted to your own answers, it can predict better what you will recall. The fit is used only when it predicts your latest answers better than the model in use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel the fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fit again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Kept fits:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kept fits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fitted on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Predicts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Use this one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the chosen fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the &amp;default model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fitting the memory model to your answers...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your answers are still too few: %1 of the %2 needed. A fit counts the answers given a day or more after the word&apos;s answer before. The model in use stays.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your answers are still too few to fit the model to. The model in use stays.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On your latest %1 answers, the fitted model&apos;s predictions of how many you would recall were off by %2 points on average, against %3 for the model in use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The fitted model predicts your answers %1 % better.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The fitted model predicts your answers slightly better.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It schedules your reviews from now on; every word&apos;s answers were replayed with it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The fitted model predicted no better, so the model in use stays.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no better; not used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 % better</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slightly better</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This fit predicted no better than the model then in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In use: the default model, fitted to many other learners.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In use: the fit marked &quot;yes&quot; above.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changing the model replays every word&apos;s answers with it, which may take a moment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was changed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chosen fit schedules your reviews from now on; every word&apos;s answers were replayed with it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The default model schedules your reviews from now on; every word&apos;s answers were replayed with it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>widgets::ForecastPanel</name>
    <message>
        <source>Will I be ready?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>every word seen by %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not every word seen by %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; about %2 of %3 words recalled on %4 (%5 to %6).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have not studied a word of this list yet (%1 words).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today: about %1 of the %2 words you have seen would be recalled; %3 words not seen yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At your planned pace (new words a day: %1; minutes a day: about %2): %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Held to your limit of %1 minutes a day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At your pace of the last %1 days (new words a day: %2; minutes a day: about %3): %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No study in the last %1 days to go by.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>widgets::FormAbout</name>
    <message>
        <source>Vocabrix helps you build the vocabulary asked in the GRE, GMAT, SAT and TOEFL examinations: answer a quiz of meanings, study with flash cards, pair words with their meanings in a memory game, and print the whole list to take with you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Notices&lt;/b&gt;&lt;br&gt;Vocabrix is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version. It comes with no warranty. The licence is in the file COPYING.&lt;br&gt;Word list: the meanings and many usage examples of the dictionary that comes with the program (XML/gre.xml) come from WordNet 3.0, Princeton University; the word list and the other examples were written for Vocabrix. WordNet 3.0 Copyright 2006 by Princeton University. All rights reserved. WordNet is provided &quot;as is&quot; and Princeton University makes no representations or warranties, express or implied; the full licence is in XML/WORDNET-LICENSE.txt. Dictionaries you open or edit are your own.&lt;br&gt;Icon and help pages: made for the Vocabrix project.&lt;br&gt;Built with Qt %1 (GNU LGPL version 3) and pugixml (MIT licence).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - GRE, GMAT, SAT and TOEFL Vocabulary Builder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>widgets::FormEdit</name>
    <message>
        <source>Edit XML Data File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dictionary XML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
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
        <source>WARNING: Be careful not to CORRUPT the XML file struture while editing the GRE XML file. <byte value="xd"/>
Preferably , Use the Update XML file feature in the Help menu to update the XML file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. The editor starts with an empty text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The dictionary file %1 is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update XML File ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A description was saved into the dictionary file after the editor showed it. Saving writes this text over it. Save anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 The file was not changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The dictionary could not be saved; the file is unchanged. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Saved </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>widgets::FormFlash</name>
    <message>
        <source>Flash Card Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flash Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pronunciation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Say the word (F5; Shift+F5 the usage)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Flash </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net Sea&amp;rch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Solve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Auto Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internet Explorer not found on your system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>widgets::FormHelp</name>
    <message>
        <source>Vocabrix Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;ontents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Topics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vocabrix Help - %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>widgets::FormImport</name>
    <message>
        <source>Anki package</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KDE vocabulary file (KVTML)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>meaning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>usage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Word List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First rows of the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Review history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name of the new dictionary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import or cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New &amp;dictionary name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.xml in the XML folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;First rows:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Separator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows-1252 (Western)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First row &amp;names the columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First row names the columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Separator:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column of the words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column of the meanings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column of the usage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Word:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Meaning:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Usage:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imported words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bring along Anki&apos;s review history into your progress (answers: %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file cannot be read this way: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No entries: choose the column that holds the words.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No meanings: choose the column that holds the meanings; the quiz asks for them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No meanings: the column %1 is empty; choose the column that holds the meanings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entries to import: %1 (%2 without a meaning)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entries to import: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A dictionary named %1.xml exists already. Replace it with the imported words?</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n words imported from %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The words were imported, but not their review history: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>widgets::FormList</name>
    <message>
        <source>List View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word List Created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error in Printing</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>widgets::FormMain</name>
    <message>
        <source>&amp;Open Custom XML Dictionary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit XML Dictionary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import Progress...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ex&amp;port Progress...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import &amp;Word List...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Wor&amp;d List...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;List Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Flash Card Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Memory Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update XML wordlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Study Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spea&amp;k Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speak &amp;Usage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Say the word on show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Say the usage of the word on show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Word List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word lists (*.csv *.tsv *.txt *.apkg *.colpkg *.kvtml);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no dictionary loaded to export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Word List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit from Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test your GRE vocabulary [Review Mode]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control Panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;lash </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net &amp;Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flash Word:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Word:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Word:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Online Dictionary:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Online dictionary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Image Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Google Image Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto &amp;Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Program in Auto Mode to randomly display cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stud&amp;y Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Study the words due today and today&apos;s new words (Ctrl+T)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correctly Answered:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrectly Answered:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Percentage:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View L&amp;og</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sho&amp;w </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show description to help you grasp the contextual meaning of the word.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hi&amp;de</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide description to test your memory recall </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add your own description by editing the text above</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save your description.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress files (*.csv);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answers added to your progress: %1. Already there: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> There was an error in loading the XML dictionary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vocabrix  GRE /GMAT/ SAT/TOEFL  Vocabulary Builder </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Please Wait ... Updating..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Successful </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error during update , Please try later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to Exit ? </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no dictionary loaded, so there is no description to save.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The word on show is not an entry of the dictionary, so its description cannot be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to Save ? </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The description could not be saved; the dictionary file is unchanged. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internet Explorer not found on your system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pr&amp;actice Set</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>widgets::FormMemory</name>
    <message>
        <source>Memory Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of attempts:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;olve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Taken :%1 Seconds</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>widgets::FormOptions</name>
    <message>
        <source>The study settings could not be saved. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The speech settings could not be saved. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Settings Memory Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Settings Answer Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Settings Flash Card </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main Font Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main Font Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets font of Main Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets Color of Main window Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Color and Font Settings ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be saved. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings have been saved , They will be loaded the next time you start your program </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 pt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample of %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>widgets::FormPractice</name>
    <message>
        <source>1 minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practice Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practice set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to the question before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next (Enter)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On to the next question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish the set and see the score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Practise again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new practice set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time allowed: %1 for %2 questions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to practise yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A practice set asks the words of this list you have answered before, in Study Today or the quiz, whose sentence shows the word. Study some words first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 answered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>about %1 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>less than a minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time left: %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 question is not answered. Finish the set now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 questions are not answered. Finish the set now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The time ran out: %1 (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time taken: %1 (%2) of %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question %1: ✗ wrong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question %1: ✗ not answered, the time ran out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question %1: ✗ not answered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right: %1 and %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You picked %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No mistakes: every answer was right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End the practice set now? Your answers so far (%1 of %2) are recorded; the rest count as not answered. Choose No to keep going.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time allowed: %1 for 1 question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time left: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>widgets::FormProgress</name>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Due</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Due in the next 30 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your answers in the last 90 days, every list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your answers in the last 52 weeks, every list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words of this list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hardest words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Study this word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Study the selected word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Learning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Young</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days in a row: %1 now, %2 at most.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Misses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recalled when due, last 30 days: no review answered when due yet (aim: %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recalled when due, last 30 days: %1 of 1 review (aim: %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recalled when due, last 30 days: %1 of %2 reviews (aim: %3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No word of this list seen yet (%1 words): no recall to predict.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of the 1 word seen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of the %2 words seen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>every word seen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 not seen yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The exam date has passed. Recall today: %1, %2 of them above 90 %; %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Predicted recall on %1: %2, %3 of them above 90 %; %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missed once, last on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missed %1 times, last on %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Most confused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No words confused yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2: once, on %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2: %3 times, last on %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not in this list</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>widgets::FormResults</name>
    <message>
        <source>Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your attempts for each word are shown below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error in Printing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Log File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log Files (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a valid filename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log could not be saved. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log File Saved !</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>widgets::FormSelect</name>
    <message>
        <source>No dictionary in this folder. The dictionaries are in the XML folder: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dictionary files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>widgets::FormStudy</name>
    <message>
        <source>Study Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take the last answer back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take the last answer back (Ctrl+Z)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Study</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pronunciation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Say the word (F5; Shift+F5 the usage)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;hint (H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the usage sentence as a hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Again (A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hard (H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Good (G)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Easy (E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grade:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grade %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Continue (Space)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>✓ right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>✗ your answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>✓ Right: %1 is %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>✗ Not this one: %1 is %2, not %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meaning: %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This dictionary has no words to study.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Today&apos;s work is done.&lt;/b&gt;&lt;/p&gt;&lt;table align=center cellpadding=3&gt;&lt;tr&gt;&lt;td&gt;Reviewed:&lt;/td&gt;&lt;td align=right&gt;%1&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Right:&lt;/td&gt;&lt;td align=right&gt;%2&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;New words learned:&lt;/td&gt;&lt;td align=right&gt;%3&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Due tomorrow:&lt;/td&gt;&lt;td align=right&gt;%4&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Day streak:&lt;/td&gt;&lt;td align=right&gt;%5&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today&apos;s work is done. Reviewed %1, right %2, new words learned %3, due tomorrow %4, day streak %5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;%1 more new words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Learn %1 more new words of this list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Review ahead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Review the words due in the next %1 days now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hardest &amp;words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practise the words of this list missed most</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Study more:&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Study more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>about 1 minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>about %1 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 more new word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 more new words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Review ahead: %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 word due soon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 words due soon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hardest words: %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 review</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 reviews</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 new word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 new words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing is due today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plan: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 repeat waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 repeats waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every word of this list has been studied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No word of this list is due in the next %1 days.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No word of this list has been missed yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;All lists: %1 answers today&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> All lists: %1 answers today.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 (over your daily limit of %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 (held to your daily limit of %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing is due today, and no new word fits in 1 minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing is due today, and no new word fits in %1 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>✓ right, your answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>✓ Right: %1 and %2 (%3 and %4) both fit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>✗ Not this pair: %1 and %2 (%3 and %4) fit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>✓ Right: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>≈ Nearly: it is spelt %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>✗ Not this word: it is %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You typed &apos;%1&apos;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Practice set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ten questions in the exam&apos;s formats, timed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ten questions in the exam&apos;s formats from the words you have studied, timed as on the exam</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>widgets::GuardedApplication</name>
    <message>
        <source>an unknown failure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Something went wrong: %1
The program goes on; nothing was saved by the step that failed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>widgets::MemoryCard</name>
    <message>
        <source>Card, face down</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>widgets::QuestionView</name>
    <message>
        <source>blank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sentence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Submit (Enter)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Submit the answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choice %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which word fits the blank? (1 to 5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which two words fit the blank and give the sentence the same meaning? Pick both (1 to 6), then Enter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which two words fit the blank and give the sentence the same meaning? Pick both (1 to 6).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the word for this meaning and sentence, then Enter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>● picked</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>widgets::RetentionSuggestionRow</name>
    <message>
        <source>&amp;Use %1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use a desired retention of %1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weighing the desired retentions for this plan...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>widgets::Speech</name>
    <message>
        <source>Say</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pronunciation: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>widgets::SpeechFrame</name>
    <message>
        <source>Speech</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sa&amp;y the word when a card shows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speaking rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slower to the left, faster to the right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R&amp;ate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English (the engine&apos;s own)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>widgets::StackedBar</name>
    <message>
        <source>Words</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>widgets::StudyPlanFrame</name>
    <message>
        <source>Study</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xam date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exam date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desired retention</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How likely you want to be to recall a word when it comes back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New words per day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Without an exam date; with one, the date sets the pace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desired &amp;retention:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New words per day:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily time limit in minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The minutes a day you mean to study</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily time &amp;limit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This plan asks about %1 new words and %2 minutes a day, reviews included.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This plan asks no new words today and about %1 minutes a day of reviews.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every word seen by %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: that is more than your limit of %1 minutes a day. At %1 minutes a day, every word would be seen by %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: that is more than your limit of %1 minutes a day, at which the list would not be done within three years.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fit to my answers...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit to my answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fits the memory model that schedules your reviews to your own answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Text completion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words in review: their sentence with a blank, five words to fill it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ty&amp;ped recall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words you know well: type the word for its meaning and sentence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sentence e&amp;quivalence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words you know well: pick the two of six words that fit the sentence alike</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also ask as:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
