<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en">
<context>
    <name>Texts</name>
    <message>
        <source>Error!</source>
        <translation>Ошибка!</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Внимание!</translation>
    </message>
    <message>
        <source>This program is already in use</source>
        <translation>Программа уже запущена</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>русский</translation>
    </message>
    <message>
        <source>English</source>
        <translation>английский</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>испанский</translation>
    </message>
    <message>
        <source>German</source>
        <translation>немецкий</translation>
    </message>
    <message>
        <source>Dynamic library path: &apos;%s&apos;</source>
        <translation>Путь к динамической библиотеке: &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Morphological module path: &apos;%s&apos;</source>
        <translation>Путь к модулю морфологии: &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Morphological analysis and lemmatization for this language will not be available.</source>
        <translation>Морфологический анализ и лемматизация для этого языка будут недоступны.</translation>
    </message>
    <message>
        <source>Main dictionaries</source>
        <translation>Основные словари</translation>
    </message>
    <message>
        <source>Reference materials</source>
        <translation>Справочные материалы</translation>
    </message>
    <message>
        <source>Parallel texts</source>
        <translation>Параллельные тексты</translation>
    </message>
    <message>
        <source>Dictionaries and parallel texts not loaded</source>
        <translation>Словари и параллельные тексты не загружены</translation>
    </message>
    <message>
        <source>File &apos;%s&apos; disabled</source>
        <translation>Файл &apos;%s&apos; отключён</translation>
    </message>
    <message>
        <source>All dictionaries</source>
        <translation>Все словари</translation>
    </message>
    <message>
        <source>Morphological module for %s language loaded in %.1lf [seconds]</source>
        <translation>Модуль морфологии для языка «%s» загружен за %.1lf [с]</translation>
    </message>
    <message>
        <source>Dynamic link library is absent or corrupted:&#13;
%s</source>
        <translation>Динамическая библиотека отсутствует или повреждена:&#13;
%s</translation>
    </message>
    <message>
        <source>Dynamic library &apos;%s&apos; does not contain function &apos;%s&apos;</source>
        <translation>Динамическая библиотека &apos;%s&apos; не содержит функции &apos;%s&apos;</translation>
    </message>
    <message>
        <source>This language is not supported</source>
        <translation>Этот язык не поддерживается</translation>
    </message>
    <message>
        <source>Error loading morphological module for %s language</source>
        <translation>Ошибка загрузки модуля морфологии для языка «%s»</translation>
    </message>
    <message>
        <source>Error opening file</source>
        <translation>Ошибка открытия файла</translation>
    </message>
    <message>
        <source>Error in file, line %d</source>
        <translation>Ошибка в файле, строка %d</translation>
    </message>
    <message>
        <source>Ending caption of articles group not found</source>
        <translation>Не найден закрывающий тег заголовка группы статей</translation>
    </message>
    <message>
        <source>File is empty</source>
        <translation>Файл пуст</translation>
    </message>
    <message>
        <source>Wrong file type: &apos;%s&apos;</source>
        <translation>Неверный тип файла: &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Wrong dictionary type: &apos;%s&apos;</source>
        <translation>Неверный тип словаря: &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Ambiguous caption of articles group</source>
        <translation>Неоднозначный заголовок группы статей</translation>
    </message>
    <message>
        <source>Tag &apos;%s&apos; for articles group caption not found</source>
        <translation>Не найден тег &apos;%s&apos; заголовка группы статей</translation>
    </message>
    <message>
        <source>Excessive symbols in line of articles group caption</source>
        <translation>Лишние символы в строке заголовка группы статей</translation>
    </message>
    <message>
        <source>Excessive tag &apos;%s&apos;</source>
        <translation>Лишний тег &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Tag &apos;%s&apos; for comment not found</source>
        <translation>Не найден тег &apos;%s&apos; комментария</translation>
    </message>
    <message>
        <source>Excessive tag &apos;%s&apos; for &apos;no-index&apos; text</source>
        <translation>Лишний тег &apos;%s&apos; неиндексируемого текста</translation>
    </message>
    <message>
        <source>Tag &apos;%s&apos; for &apos;no-index&apos; text not found</source>
        <translation>Не найден тег &apos;%s&apos; неиндексируемого текста</translation>
    </message>
    <message>
        <source>Excessive separator &apos;%s&apos; for left and right parts of article</source>
        <translation>Лишний разделитель &apos;%s&apos; левой и правой частей статьи</translation>
    </message>
    <message>
        <source>Open tag found</source>
        <translation>Найден незакрытый тег</translation>
    </message>
    <message>
        <source>Error in escape sequence &apos;%s&apos;</source>
        <translation>Ошибка в escape-последовательности &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Value &apos;%s&apos; in escape sequence does not represent a symbol code</source>
        <translation>Значение &apos;%s&apos; в escape-последовательности не является кодом символа</translation>
    </message>
    <message>
        <source>Dictionary folder path not found:&#13;
%s</source>
        <translation>Папка словарей не найдена:&#13;
%s</translation>
    </message>
    <message>
        <source>Error while processing file &apos;%s&apos;</source>
        <translation>Ошибка при обработке файла &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Error working with finite state machine of file &apos;%s&apos;</source>
        <translation>Ошибка работы с конечным автоматом файла &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Node for ending symbol is not final</source>
        <translation>Узел конечного символа не является конечным</translation>
    </message>
    <message>
        <source>Error searching text in file &apos;%s&apos;</source>
        <translation>Ошибка поиска текста в файле &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Error creating file for dictionary groups</source>
        <translation>Ошибка создания файла групп словарей</translation>
    </message>
    <message>
        <source>Wrong data for dictionary groups file</source>
        <translation>Неверные данные в файле групп словарей</translation>
    </message>
    <message>
        <source>Error processing text in UTF-8 character set (possibly the text is encoded using other character set or 4-bytes UTF-8)</source>
        <translation>Ошибка обработки текста в кодировке UTF-8 (возможно, текст в другой кодировке или содержит 4-байтовые символы UTF-8)</translation>
    </message>
    <message>
        <source>Error recording keyword &apos;%s&apos;</source>
        <translation>Ошибка записи ключевого слова &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Wrong index area record: &apos;%s&apos;</source>
        <translation>Неверное значение области индексации: &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Error recording language for morphological analysis &apos;%s&apos;</source>
        <translation>Ошибка записи языка морфологического анализа &apos;%s&apos;</translation>
    </message>
    <message>
        <source>The word &apos;%s&apos; is more than 255 characters long</source>
        <translation>Слово &apos;%s&apos; длиннее 255 символов</translation>
    </message>
    <message>
        <source>Mapping file &apos;%s&apos;  not found or could not be read</source>
        <translation>Файл замен &apos;%s&apos; не найден или не читается</translation>
    </message>
    <message>
        <source>Error opening mapping file &apos;%s&apos;</source>
        <translation>Ошибка открытия файла замен &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Error reading mapping file &apos;%s&apos;</source>
        <translation>Ошибка чтения файла замен &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Invalid character map</source>
        <translation>Неверная таблица замен символов</translation>
    </message>
    <message>
        <source>The character map contains illegal symbols (please use letters or digits)</source>
        <translation>Таблица замен содержит недопустимые символы (используйте буквы или цифры)</translation>
    </message>
    <message>
        <source>The parameter for keyword &apos; %s&apos; contains more than %d symbols</source>
        <translation>Параметр ключевого слова &apos; %s&apos; длиннее %d символов</translation>
    </message>
    <message>
        <source>File mapping error:&#13;
%s&#13;
Possibly, the file is empty</source>
        <translation>Ошибка отображения файла в память:&#13;
%s&#13;
Возможно, файл пуст</translation>
    </message>
    <message>
        <source>Error mapping file:&#13;
%s</source>
        <translation>Ошибка отображения файла в память:&#13;
%s</translation>
    </message>
    <message>
        <source>File is too large (2 GB or more)</source>
        <translation>Файл слишком велик (2 ГБ или больше)</translation>
    </message>
    <message>
        <source>The article parts separator must be 1 to %d characters long</source>
        <translation>Разделитель частей статьи должен содержать от 1 до %d символов</translation>
    </message>
    <message>
        <source>The articles separator must be 1 to %d characters long</source>
        <translation>Разделитель статей должен содержать от 1 до %d символов</translation>
    </message>
    <message>
        <source>The article parts separator &apos;%s&apos; must not begin with a letter, a digit, &apos;&amp;&apos; or &apos;&lt;&apos;</source>
        <translation>Разделитель частей статьи &apos;%s&apos; не должен начинаться с буквы, цифры, &apos;&amp;&apos; или &apos;&lt;&apos;</translation>
    </message>
    <message>
        <source>The articles separator &apos;%s&apos; must not begin with a letter, a digit, &apos;&amp;&apos; or &apos;&lt;&apos;</source>
        <translation>Разделитель статей &apos;%s&apos; не должен начинаться с буквы, цифры, &apos;&amp;&apos; или &apos;&lt;&apos;</translation>
    </message>
    <message>
        <source>The list of languages for morphological analysis holds more than %d items</source>
        <translation>Список языков для морфологического анализа содержит более %d элементов</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Не удалось открыть документ.</translation>
    </message>
    <message>
        <source>Previous page
Previous page</source>
        <translation>Предыдущая страница
Предыдущая страница</translation>
    </message>
    <message>
        <source>Next page
Next page</source>
        <translation>Следующая страница
Следующая страница</translation>
    </message>
    <message>
        <source>Current group
Current group</source>
        <translation>Текущая группа
Текущая группа</translation>
    </message>
    <message>
        <source>Search area
Search area</source>
        <translation>Область поиска
Область поиска</translation>
    </message>
    <message>
        <source>Stop search
Stop search</source>
        <translation>Остановить поиск
Остановить</translation>
    </message>
    <message>
        <source>Search text
Search text</source>
        <translation>Текст для поиска
Текст для поиска</translation>
    </message>
    <message>
        <source>Search
Search</source>
        <translation>Искать
Искать</translation>
    </message>
    <message>
        <source>Font size
Font size</source>
        <translation>Размер шрифта
Размер шрифта</translation>
    </message>
    <message>
        <source>Organize dictionaries
Organize dictionaries</source>
        <translation>Упорядочить словари
Упорядочить словари</translation>
    </message>
    <message>
        <source>Copy dictionary files to &apos;Dictionaries&apos; folder
Add dictionaries</source>
        <translation>Скопировать файлы словарей в папку &apos;Dictionaries&apos;
Добавить словари</translation>
    </message>
    <message>
        <source>Get dictionary information
Dictionary information</source>
        <translation>Показать информацию о словаре
Информация о словаре</translation>
    </message>
    <message>
        <source>Run dictionary compilation program
Dictionary compilation</source>
        <translation>Запустить программу компиляции словарей
Компиляция словарей</translation>
    </message>
    <message>
        <source>Download dictionaries
Download dictionaries</source>
        <translation>Где взять словари
Загрузить словари</translation>
    </message>
    <message>
        <source>Copy selected text
Copy</source>
        <translation>Копировать выделенный текст
Копировать</translation>
    </message>
    <message>
        <source>Search selected text
Search</source>
        <translation>Искать выделенный текст
Искать</translation>
    </message>
    <message>
        <source>Error setting localization parameters</source>
        <translation>Ошибка установки параметров локализации</translation>
    </message>
    <message>
        <source>Error setting dictionary entry aspect type</source>
        <translation>Ошибка установки вида словарных статей</translation>
    </message>
    <message>
        <source>Error setting additional sort type</source>
        <translation>Ошибка установки дополнительной сортировки</translation>
    </message>
    <message>
        <source>Error setting search time</source>
        <translation>Ошибка установки вывода времени поиска</translation>
    </message>
    <message>
        <source>Dll name not found</source>
        <translation>Не найдено имя библиотеки</translation>
    </message>
    <message>
        <source>Error setting searching area</source>
        <translation>Ошибка установки области поиска</translation>
    </message>
    <message>
        <source>Error setting font size. Font size should be an integer number ranging from %d to %d.</source>
        <translation>Ошибка установки размера шрифта. Размер шрифта должен быть целым числом от %d до %d.</translation>
    </message>
    <message>
        <source>Error setting first-start flag</source>
        <translation>Ошибка установки признака первого запуска</translation>
    </message>
    <message>
        <source>Dictionary compilation program not found</source>
        <translation>Программа компиляции словарей не найдена</translation>
    </message>
    <message>
        <source>Failed to set the attribute of the reduced dictionary manager window</source>
        <translation>Не удалось установить признак сокращённого окна менеджера словарей</translation>
    </message>
    <message>
        <source>Search time: %.4lf [seconds]</source>
        <translation>Время поиска: %.4lf [с]</translation>
    </message>
    <message>
        <source>Text search aborted</source>
        <translation>Поиск текста прерван</translation>
    </message>
    <message>
        <source>%sText &quot;%s%s%s&quot; not found in group &quot;%s%s%s&quot;%s</source>
        <translation>%sТекст «%s%s%s» не найден в группе «%s%s%s»%s</translation>
    </message>
    <message>
        <source>Enter text to search</source>
        <translation>Введите текст для поиска</translation>
    </message>
    <message>
        <source>This dictionary is already installed</source>
        <translation>Этот словарь уже установлен</translation>
    </message>
    <message>
        <source>These dictionaries are already installed</source>
        <translation>Эти словари уже установлены</translation>
    </message>
    <message>
        <source>Press &quot;Add dictionaries&quot; button to install dictionaries from specified location.</source>
        <translation>Нажмите кнопку «Добавить словари», чтобы установить словари из указанного места.</translation>
    </message>
    <message>
        <source>Text search in progress</source>
        <translation>Идёт поиск текста</translation>
    </message>
    <message>
        <source>Files of dictionaries or parallel texts not found.</source>
        <translation>Файлы словарей или параллельных текстов не найдены.</translation>
    </message>
    <message>
        <source>There are no enabled dictionaries in group &apos;%s&apos;.</source>
        <translation>В группе &apos;%s&apos; нет включённых словарей.</translation>
    </message>
    <message>
        <source>Search function not available</source>
        <translation>Поиск недоступен</translation>
    </message>
    <message>
        <source>Enter group name</source>
        <translation>Введите название группы</translation>
    </message>
    <message>
        <source>Group with this name already exist</source>
        <translation>Группа с таким названием уже существует</translation>
    </message>
    <message>
        <source>The deleting of the first group of dictionaries is not allowed</source>
        <translation>Первую группу словарей удалить нельзя</translation>
    </message>
    <message>
        <source>Help Topics in English not found</source>
        <translation>Справка на английском языке не найдена</translation>
    </message>
    <message>
        <source>Dictionary information file not found</source>
        <translation>Файл информации о словаре не найден</translation>
    </message>
    <message>
        <source>The file
&apos;%s&apos;
cannot be deleted.
Sharing violation error or permission denied.</source>
        <translation>Файл
&apos;%s&apos;
нельзя удалить.
Он занят другой программой или нет прав доступа.</translation>
    </message>
    <message>
        <source>The dictionary &apos;%s&apos; is installed for every user and cannot be deleted here.</source>
        <translation>Словарь &apos;%s&apos; установлен для всех пользователей, удалить его здесь нельзя.</translation>
    </message>
    <message>
        <source>Stop text search?</source>
        <translation>Остановить поиск текста?</translation>
    </message>
    <message>
        <source>Delete group &apos;%s&apos;?</source>
        <translation>Удалить группу &apos;%s&apos;?</translation>
    </message>
    <message>
        <source>Delete dictionary &apos;%s&apos;?</source>
        <translation>Удалить словарь &apos;%s&apos;?</translation>
    </message>
    <message>
        <source>List of dictionaries</source>
        <translation>Список словарей</translation>
    </message>
    <message>
        <source>INI file; section &apos;%s&apos;; key = &apos;%s&apos;</source>
        <translation>INI-файл; раздел &apos;%s&apos;; ключ = &apos;%s&apos;</translation>
    </message>
    <message>
        <source>&lt;CENTER&gt;%s&lt;B&gt;%s&lt;/B&gt;&lt;/FONT&gt;&lt;BR&gt; Page &lt;B&gt;%s&lt;/B&gt; of &lt;B&gt;%s&lt;/B&gt;, articles &lt;B&gt;%s&lt;/B&gt; - &lt;B&gt;%s&lt;/B&gt; of &lt;B&gt;%s&lt;/B&gt;&lt;/CENTER&gt;&lt;BR&gt;</source>
        <translation>&lt;CENTER&gt;%s&lt;B&gt;%s&lt;/B&gt;&lt;/FONT&gt;&lt;BR&gt; Страница &lt;B&gt;%s&lt;/B&gt; из &lt;B&gt;%s&lt;/B&gt;, статьи &lt;B&gt;%s&lt;/B&gt; - &lt;B&gt;%s&lt;/B&gt; из &lt;B&gt;%s&lt;/B&gt;&lt;/CENTER&gt;&lt;BR&gt;</translation>
    </message>
    <message>
        <source>&lt;center&gt;&lt;font style=&quot;font-size: 40px; color: #EAEAEA&quot;&gt;&lt;br&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Glossmere 2.03&lt;/b&gt;&lt;/font&gt;&lt;/center&gt;</source>
        <translation>&lt;center&gt;&lt;font style=&quot;font-size: 40px; color: #EAEAEA&quot;&gt;&lt;br&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Glossmere 2.03&lt;/b&gt;&lt;/font&gt;&lt;/center&gt;</translation>
    </message>
    <message>
        <source>&lt;center&gt;&lt;font style=&quot;font-size: 40px; color: #EAEAEA&quot;&gt;&lt;br&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Searching…&lt;/b&gt;&lt;/font&gt;&lt;/center&gt;</source>
        <translation>&lt;center&gt;&lt;font style=&quot;font-size: 40px; color: #EAEAEA&quot;&gt;&lt;br&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Идёт поиск…&lt;/b&gt;&lt;/font&gt;&lt;/center&gt;</translation>
    </message>
    <message>
        <source>Everywhere</source>
        <translation>Везде</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Слева</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Справа</translation>
    </message>
    <message>
        <source>Move dictionary to top</source>
        <translation>Переместить словарь в начало</translation>
    </message>
    <message>
        <source>Move dictionary 1 position up</source>
        <translation>Переместить словарь на 1 позицию вверх</translation>
    </message>
    <message>
        <source>Move dictionary 1 position down</source>
        <translation>Переместить словарь на 1 позицию вниз</translation>
    </message>
    <message>
        <source>Move dictionary to bottom</source>
        <translation>Переместить словарь в конец</translation>
    </message>
    <message>
        <source>Morphological analysis and lemmatization are provided by the Radixo library, which builds on Hunspell dictionaries and WordNet data; each is distributed under its own licence, included with the program. The user interface is built with the Qt toolkit (LGPL version 3).</source>
        <translation>Морфологический анализ и лемматизацию выполняет библиотека Radixo, основанная на словарях Hunspell и данных WordNet; каждый из этих компонентов распространяется на условиях собственной лицензии, прилагаемой к программе. Интерфейс построен на библиотеке Qt (LGPL версии 3).</translation>
    </message>
    <message>
        <source>This program and the dictionaries supplied with it are protected by copyright law. Unauthorised copying or distribution of them, or of any part of them, is prohibited.</source>
        <translation>Программа и поставляемые с ней словари охраняются законом об авторском праве. Несанкционированное копирование и распространение их или любой их части запрещено.</translation>
    </message>
    <message>
        <source>Dictionary files (*.gmd)|*.gmd|</source>
        <translation>Файлы словарей (*.gmd)|*.gmd|</translation>
    </message>
    <message>
        <source>Select dictionary files</source>
        <translation>Выберите файлы словарей</translation>
    </message>
    <message>
        <source>The dictionary is corrupted: read error or obsolete file format</source>
        <translation>Словарь повреждён: ошибка чтения или устаревший формат файла</translation>
    </message>
    <message>
        <source>Enable dictionary</source>
        <translation>Включить словарь</translation>
    </message>
    <message>
        <source>Enable all dictionaries</source>
        <translation>Включить все словари</translation>
    </message>
    <message>
        <source>Disable dictionary</source>
        <translation>Отключить словарь</translation>
    </message>
    <message>
        <source>Disable all dictionaries</source>
        <translation>Отключить все словари</translation>
    </message>
    <message>
        <source>All dictionaries in this group are enabled.</source>
        <translation>В этой группе включены все словари.</translation>
    </message>
    <message>
        <source>Please create a new group if you would like to use only some of the dictionaries.</source>
        <translation>Чтобы пользоваться только частью словарей, создайте новую группу.</translation>
    </message>
    <message>
        <source>Enabled dictionaries</source>
        <translation>Включённые словари</translation>
    </message>
    <message>
        <source>Disabled dictionaries</source>
        <translation>Отключённые словари</translation>
    </message>
    <message>
        <source>Delete dictionary files</source>
        <translation>Удалить файлы словарей</translation>
    </message>
    <message>
        <source>Source file name not found</source>
        <translation>Не указан исходный файл</translation>
    </message>
    <message>
        <source>The type of articles separator must be an integer value from %d to %d</source>
        <translation>Тип разделителя статей должен быть целым числом от %d до %d</translation>
    </message>
    <message>
        <source>Articles separator error</source>
        <translation>Ошибка в разделителе статей</translation>
    </message>
    <message>
        <source>Article parts separator error</source>
        <translation>Ошибка в разделителе частей статьи</translation>
    </message>
    <message>
        <source>Indexing abort</source>
        <translation>Индексация прервана</translation>
    </message>
    <message>
        <source>Dictionary compilation in progress</source>
        <translation>Идёт компиляция словаря</translation>
    </message>
    <message>
        <source>Stop compilation?</source>
        <translation>Остановить компиляцию?</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Выберите папку</translation>
    </message>
    <message>
        <source>Dictionary source files (*.txt; *.dic; *.gms)|*.txt; *.dic; *.gms|All Files (*.*)|*.*||</source>
        <translation>Исходные тексты словарей (*.txt; *.dic; *.gms)|*.txt; *.dic; *.gms|Все файлы (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Compile</source>
        <translation>Компилировать</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Прервать</translation>
    </message>
    <message>
        <source>Help Topics</source>
        <translation>Вызов справки</translation>
    </message>
    <message>
        <source>All Files (*.*)|*.*||</source>
        <translation>Все файлы (*.*)|*.*||</translation>
    </message>
</context>
<context>
    <name>CDictionaryManagerDlg</name>
    <message>
        <source>Dictionary manager</source>
        <translation>Менеджер словарей</translation>
    </message>
    <message>
        <source>More &gt;&gt;</source>
        <translation>Больше &gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt; Less</source>
        <translation>&lt;&lt; Меньше</translation>
    </message>
    <message>
        <source>Select group of dictionaries:</source>
        <translation>Выберите группу словарей:</translation>
    </message>
    <message>
        <source>Create group</source>
        <translation>Создать группу</translation>
    </message>
    <message>
        <source>Rename group</source>
        <translation>Переименовать группу</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>Удалить группу</translation>
    </message>
    <message>
        <source>Add dictionaries</source>
        <translation>Добавить словари</translation>
    </message>
    <message>
        <source>Delete dictionary</source>
        <translation>Удалить словарь</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Explore</source>
        <translation>Открыть папку</translation>
    </message>
    <message>
        <source>Dictionaries folder:</source>
        <translation>Папка словарей:</translation>
    </message>
    <message>
        <source>Selected dictionary information</source>
        <translation>Сведения о выбранном словаре</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Название:</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>Имя файла:</translation>
    </message>
    <message>
        <source>Articles count:</source>
        <translation>Число статей:</translation>
    </message>
    <message>
        <source>Words count:</source>
        <translation>Число слов:</translation>
    </message>
    <message>
        <source>Additional info</source>
        <translation>Дополнительно</translation>
    </message>
    <message>
        <source>Important messages</source>
        <translation>Важные сообщения</translation>
    </message>
</context>
<context>
    <name>CGroupNameDlg</name>
    <message>
        <source>Group name</source>
        <translation>Название группы</translation>
    </message>
</context>
<context>
    <name>CLanguageDialog</name>
    <message>
        <source>Interface language</source>
        <translation>Язык интерфейса</translation>
    </message>
    <message>
        <source>Select program interface language:</source>
        <translation>Выберите язык интерфейса программы:</translation>
    </message>
</context>
<context>
    <name>CMainDialog</name>
    <message>
        <source>Glossmill (dictionary compilation)</source>
        <translation>Glossmill (компиляция словарей)</translation>
    </message>
    <message>
        <source>Source file</source>
        <translation>Исходный файл</translation>
    </message>
    <message>
        <source>Mapping file</source>
        <translation>Файл замен</translation>
    </message>
    <message>
        <source>Dictionaries folder</source>
        <translation>Папка словарей</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Сервис</translation>
    </message>
    <message>
        <source>&amp;Organize dictionaries</source>
        <translation>&amp;Упорядочить словари</translation>
    </message>
    <message>
        <source>&amp;Download dictionaries</source>
        <translation>&amp;Загрузить словари</translation>
    </message>
    <message>
        <source>&amp;Add dictionaries</source>
        <translation>&amp;Добавить словари</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>&amp;Формат</translation>
    </message>
    <message>
        <source>Search &amp;results</source>
        <translation>&amp;Результаты поиска</translation>
    </message>
    <message>
        <source>&amp;Standard view</source>
        <translation>&amp;Стандартный вид</translation>
    </message>
    <message>
        <source>Standard view &amp;with separation</source>
        <translation>Стандартный вид с &amp;разделением</translation>
    </message>
    <message>
        <source>&amp;Table view</source>
        <translation>&amp;Таблица</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>С&amp;ортировка</translation>
    </message>
    <message>
        <source>&amp;Without sorting</source>
        <translation>&amp;Без сортировки</translation>
    </message>
    <message>
        <source>By &amp;alphabet</source>
        <translation>По &amp;алфавиту</translation>
    </message>
    <message>
        <source>By &amp;relevance</source>
        <translation>По &amp;релевантности</translation>
    </message>
    <message>
        <source>&amp;Larger text</source>
        <translation>&amp;Крупнее</translation>
    </message>
    <message>
        <source>S&amp;maller text</source>
        <translation>&amp;Мельче</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>&amp;Tools toolbar</source>
        <translation>&amp;Панель инструментов</translation>
    </message>
    <message>
        <source>&amp;Search toolbar</source>
        <translation>Панель &amp;поиска</translation>
    </message>
    <message>
        <source>&amp;List of dictionaries</source>
        <translation>&amp;Список словарей</translation>
    </message>
    <message>
        <source>&amp;Delete history</source>
        <translation>&amp;Очистить историю</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Искать</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Предыдущая страница</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Следующая страница</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Инструменты</translation>
    </message>
    <message>
        <source>Dictionary &amp;information</source>
        <translation>&amp;Информация о словаре</translation>
    </message>
    <message>
        <source>Dictionary &amp;compilation</source>
        <translation>&amp;Компиляция словарей</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Вызов справки</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;О программе...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Interface &amp;language</source>
        <translation>&amp;Язык интерфейса</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>About the program</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Build %1</source>
        <translation>Сборка %1</translation>
    </message>
    <message>
        <source>Additional information</source>
        <translation>Дополнительная информация</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Download dictionaries</source>
        <translation>Загрузить словари</translation>
    </message>
    <message>
        <source>Copy failed</source>
        <translation>Не удалось скопировать</translation>
    </message>
    <message>
        <source>Search failed</source>
        <translation>Не удалось выполнить поиск</translation>
    </message>
</context>
<context>
    <name>CSettingsDialog</name>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Articles separator</source>
        <translation>Разделитель статей</translation>
    </message>
    <message>
        <source>Single line feed</source>
        <translation>Одиночный перевод строки</translation>
    </message>
    <message>
        <source>Double line feed</source>
        <translation>Двойной перевод строки</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Другой</translation>
    </message>
    <message>
        <source>Article parts separator</source>
        <translation>Разделитель частей статьи</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The folder already holds &apos;%1&apos;.
Replace it?</source>
        <translation>В папке уже есть &apos;%1&apos;.
Заменить его?</translation>
    </message>
</context>
</TS>
