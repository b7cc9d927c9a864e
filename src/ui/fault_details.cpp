#include "ui/fault_details.h"

#include <string_view>
#include <vector>

namespace {

// "{}" stands for a value kept as it was written (a file name, a number, quoted file content);
// "{*}" for one that is itself a detail and is worded anew. Both languages give the values in
// the same order. A wording that holds another detail comes first, and a longer wording before a
// shorter one it begins with.
constexpr Phrase kDetailWordings[] = {
    // {*}; файл сохранён как {}, включены настройки по умолчанию
    {"{*}; \xF4\xE0\xE9\xEB \xF1\xEE\xF5\xF0\xE0\xED\xB8\xED \xEA\xE0\xEA {}, "
     "\xE2\xEA\xEB\xFE\xF7\xE5\xED\xFB \xED\xE0\xF1\xF2\xF0\xEE\xE9\xEA\xE8 \xEF\xEE "
     "\xF3\xEC\xEE\xEB\xF7\xE0\xED\xE8\xFE",
     "{*}; kept as {}, starting with the default settings"},
    // {*}; включены настройки по умолчанию
    {"{*}; \xE2\xEA\xEB\xFE\xF7\xE5\xED\xFB \xED\xE0\xF1\xF2\xF0\xEE\xE9\xEA\xE8 \xEF\xEE "
     "\xF3\xEC\xEE\xEB\xF7\xE0\xED\xE8\xFE",
     "{*}; starting with the default settings"},
    // {*}; не удаётся переименовать его в {}: {*}
    {"{*}; \xED\xE5 \xF3\xE4\xE0\xB8\xF2\xF1\xFF "
     "\xEF\xE5\xF0\xE5\xE8\xEC\xE5\xED\xEE\xE2\xE0\xF2\xFC \xE5\xE3\xEE \xE2 {}: {*}",
     "{*}; cannot move it to {}: {*}"},
    // неожиданный конец файла: не хватает числа
    {"\xED\xE5\xEE\xE6\xE8\xE4\xE0\xED\xED\xFB\xE9 \xEA\xEE\xED\xE5\xF6 \xF4\xE0\xE9\xEB\xE0: "
     "\xED\xE5 \xF5\xE2\xE0\xF2\xE0\xE5\xF2 \xF7\xE8\xF1\xEB\xE0",
     "unexpected end of file: a number is missing"},
    // неожиданный конец файла
    {"\xED\xE5\xEE\xE6\xE8\xE4\xE0\xED\xED\xFB\xE9 \xEA\xEE\xED\xE5\xF6 \xF4\xE0\xE9\xEB\xE0",
     "unexpected end of file"},
    // '{}' — не целое число
    {"'{}' \x97 \xED\xE5 \xF6\xE5\xEB\xEE\xE5 \xF7\xE8\xF1\xEB\xEE", "'{}' is not a whole number"},
    // '{}' — не номер цвета
    {"'{}' \x97 \xED\xE5 \xED\xEE\xEC\xE5\xF0 \xF6\xE2\xE5\xF2\xE0", "'{}' is not a colour number"},
    // '{}' — не число
    {"'{}' \x97 \xED\xE5 \xF7\xE8\xF1\xEB\xEE", "'{}' is not a number"},
    // на карте нет ни одного цилиндра
    {"\xED\xE0 \xEA\xE0\xF0\xF2\xE5 \xED\xE5\xF2 \xED\xE8 \xEE\xE4\xED\xEE\xE3\xEE "
     "\xF6\xE8\xEB\xE8\xED\xE4\xF0\xE0",
     "the map has no cylinders"},
    // число должно быть от 0 до {}
    {"\xF7\xE8\xF1\xEB\xEE \xE4\xEE\xEB\xE6\xED\xEE \xE1\xFB\xF2\xFC \xEE\xF2 0 \xE4\xEE {}",
     "count must be between 0 and {}"},
    // больше {} точек появления
    {"\xE1\xEE\xEB\xFC\xF8\xE5 {} \xF2\xEE\xF7\xE5\xEA \xEF\xEE\xFF\xE2\xEB\xE5\xED\xE8\xFF",
     "more than {} spawn points"},
    // больше {} зарядников
    {"\xE1\xEE\xEB\xFC\xF8\xE5 {} \xE7\xE0\xF0\xFF\xE4\xED\xE8\xEA\xEE\xE2",
     "more than {} chargers"},
    // больше {} цилиндров
    {"\xE1\xEE\xEB\xFC\xF8\xE5 {} \xF6\xE8\xEB\xE8\xED\xE4\xF0\xEE\xE2", "more than {} cylinders"},
    // после {} нужно имя текстуры
    {"\xEF\xEE\xF1\xEB\xE5 {} \xED\xF3\xE6\xED\xEE \xE8\xEC\xFF \xF2\xE5\xEA\xF1\xF2\xF3\xF0\xFB",
     "{} needs a texture name"},
    // в строке цилиндра нужны x, y, z, радиус и высота
    {"\xE2 \xF1\xF2\xF0\xEE\xEA\xE5 \xF6\xE8\xEB\xE8\xED\xE4\xF0\xE0 \xED\xF3\xE6\xED\xFB x, y, z, "
     "\xF0\xE0\xE4\xE8\xF3\xF1 \xE8 \xE2\xFB\xF1\xEE\xF2\xE0",
     "a cylinder line needs x, y, z, radius and height"},
    // размер цилиндра не может быть отрицательным
    {"\xF0\xE0\xE7\xEC\xE5\xF0 \xF6\xE8\xEB\xE8\xED\xE4\xF0\xE0 \xED\xE5 \xEC\xEE\xE6\xE5\xF2 "
     "\xE1\xFB\xF2\xFC \xEE\xF2\xF0\xE8\xF6\xE0\xF2\xE5\xEB\xFC\xED\xFB\xEC",
     "a cylinder cannot have a negative size"},
    // слишком много строк SHIFT
    {"\xF1\xEB\xE8\xF8\xEA\xEE\xEC \xEC\xED\xEE\xE3\xEE \xF1\xF2\xF0\xEE\xEA SHIFT",
     "too many SHIFT lines"},
    // ANIMATIONS меньше числа строк ANIMNAME перед ним
    {"ANIMATIONS \xEC\xE5\xED\xFC\xF8\xE5 \xF7\xE8\xF1\xEB\xE0 \xF1\xF2\xF0\xEE\xEA ANIMNAME "
     "\xEF\xE5\xF0\xE5\xE4 \xED\xE8\xEC",
     "ANIMATIONS is smaller than the ANIMNAME lines before it"},
    // строк ANIMNAME больше, чем ANIMATIONS
    {"\xF1\xF2\xF0\xEE\xEA ANIMNAME \xE1\xEE\xEB\xFC\xF8\xE5, \xF7\xE5\xEC ANIMATIONS",
     "more ANIMNAME lines than ANIMATIONS"},
    // слишком много частей
    {"\xF1\xEB\xE8\xF8\xEA\xEE\xEC \xEC\xED\xEE\xE3\xEE \xF7\xE0\xF1\xF2\xE5\xE9",
     "too many parts"},
    // ROTATION стоит раньше первого SHIFT своей части
    {"ROTATION \xF1\xF2\xEE\xE8\xF2 \xF0\xE0\xED\xFC\xF8\xE5 \xEF\xE5\xF0\xE2\xEE\xE3\xEE SHIFT "
     "\xF1\xE2\xEE\xE5\xE9 \xF7\xE0\xF1\xF2\xE8",
     "ROTATION comes before the first SHIFT of its part"},
    // значения ANIM должны начинаться с цифры
    {"\xE7\xED\xE0\xF7\xE5\xED\xE8\xFF ANIM \xE4\xEE\xEB\xE6\xED\xFB "
     "\xED\xE0\xF7\xE8\xED\xE0\xF2\xFC\xF1\xFF \xF1 \xF6\xE8\xF4\xF0\xFB",
     "ANIM values must start with a digit"},
    // {} должно быть от 0 до {}
    {"{} \xE4\xEE\xEB\xE6\xED\xEE \xE1\xFB\xF2\xFC \xEE\xF2 0 \xE4\xEE {}",
     "{} must be between 0 and {}"},
    // {} стоит раньше первого TYPE
    {"{} \xF1\xF2\xEE\xE8\xF2 \xF0\xE0\xED\xFC\xF8\xE5 \xEF\xE5\xF0\xE2\xEE\xE3\xEE TYPE",
     "{} comes before the first TYPE"},
    // {} стоит раньше ANIMNAME
    {"{} \xF1\xF2\xEE\xE8\xF2 \xF0\xE0\xED\xFC\xF8\xE5 ANIMNAME", "{} comes before an ANIMNAME"},
    // номер кадра {} вне {} строк SHIFT этой части
    {"\xED\xEE\xEC\xE5\xF0 \xEA\xE0\xE4\xF0\xE0 {} \xE2\xED\xE5 {} \xF1\xF2\xF0\xEE\xEA SHIFT "
     "\xFD\xF2\xEE\xE9 \xF7\xE0\xF1\xF2\xE8",
     "frame index {} is outside the part's {} SHIFT lines"},
    // CURFRAME вне списка кадров анимации
    {"CURFRAME \xE2\xED\xE5 \xF1\xEF\xE8\xF1\xEA\xE0 \xEA\xE0\xE4\xF0\xEE\xE2 "
     "\xE0\xED\xE8\xEC\xE0\xF6\xE8\xE8",
     "CURFRAME is outside the animation's frame list"},
    // анимации этой части не совпадают с анимациями первой
    {"\xE0\xED\xE8\xEC\xE0\xF6\xE8\xE8 \xFD\xF2\xEE\xE9 \xF7\xE0\xF1\xF2\xE8 \xED\xE5 "
     "\xF1\xEE\xE2\xEF\xE0\xE4\xE0\xFE\xF2 \xF1 \xE0\xED\xE8\xEC\xE0\xF6\xE8\xFF\xEC\xE8 "
     "\xEF\xE5\xF0\xE2\xEE\xE9",
     "this part's animations differ from the first part's"},
    // анимации SEAT нужна часть с именем HEAD
    {"\xE0\xED\xE8\xEC\xE0\xF6\xE8\xE8 SEAT \xED\xF3\xE6\xED\xE0 \xF7\xE0\xF1\xF2\xFC \xF1 "
     "\xE8\xEC\xE5\xED\xE5\xEC HEAD",
     "a SEAT animation needs a part named HEAD"},
    // в модели слишком много вершин
    {"\xE2 \xEC\xEE\xE4\xE5\xEB\xE8 \xF1\xEB\xE8\xF8\xEA\xEE\xEC \xEC\xED\xEE\xE3\xEE "
     "\xE2\xE5\xF0\xF8\xE8\xED",
     "the model has too many vertices"},
    // карта занимает слишком большую площадь
    {"\xEA\xE0\xF0\xF2\xE0 \xE7\xE0\xED\xE8\xEC\xE0\xE5\xF2 \xF1\xEB\xE8\xF8\xEA\xEE\xEC "
     "\xE1\xEE\xEB\xFC\xF8\xF3\xFE \xEF\xEB\xEE\xF9\xE0\xE4\xFC",
     "the map spans too large an area"},
    // текстура {}: нет свободного места для текстуры (занято {})
    {"\xF2\xE5\xEA\xF1\xF2\xF3\xF0\xE0 {}: \xED\xE5\xF2 \xF1\xE2\xEE\xE1\xEE\xE4\xED\xEE\xE3\xEE "
     "\xEC\xE5\xF1\xF2\xE0 \xE4\xEB\xFF \xF2\xE5\xEA\xF1\xF2\xF3\xF0\xFB (\xE7\xE0\xED\xFF\xF2\xEE "
     "{})",
     "texture {}: no free texture slot ({} in use)"},
    // файл TGA обрывается в заголовке
    {"\xF4\xE0\xE9\xEB TGA \xEE\xE1\xF0\xFB\xE2\xE0\xE5\xF2\xF1\xFF \xE2 "
     "\xE7\xE0\xE3\xEE\xEB\xEE\xE2\xEA\xE5",
     "truncated TGA header"},
    // в картинке TGA нет точек
    {"\xE2 \xEA\xE0\xF0\xF2\xE8\xED\xEA\xE5 TGA \xED\xE5\xF2 \xF2\xEE\xF7\xE5\xEA",
     "TGA picture has no pixels"},
    // картинка TGA больше 1048576 точек
    {"\xEA\xE0\xF0\xF2\xE8\xED\xEA\xE0 TGA \xE1\xEE\xEB\xFC\xF8\xE5 1048576 \xF2\xEE\xF7\xE5\xEA",
     "TGA picture larger than 1048576 pixels"},
    // такая глубина цвета TGA не поддерживается
    {"\xF2\xE0\xEA\xE0\xFF \xE3\xEB\xF3\xE1\xE8\xED\xE0 \xF6\xE2\xE5\xF2\xE0 TGA \xED\xE5 "
     "\xEF\xEE\xE4\xE4\xE5\xF0\xE6\xE8\xE2\xE0\xE5\xF2\xF1\xFF",
     "unsupported TGA pixel depth"},
    // файл TGA обрывается в точках картинки
    {"\xF4\xE0\xE9\xEB TGA \xEE\xE1\xF0\xFB\xE2\xE0\xE5\xF2\xF1\xFF \xE2 \xF2\xEE\xF7\xEA\xE0\xF5 "
     "\xEA\xE0\xF0\xF2\xE8\xED\xEA\xE8",
     "truncated TGA pixel data"},
    // файл TGA обрывается в сжатых данных
    {"\xF4\xE0\xE9\xEB TGA \xEE\xE1\xF0\xFB\xE2\xE0\xE5\xF2\xF1\xFF \xE2 \xF1\xE6\xE0\xF2\xFB\xF5 "
     "\xE4\xE0\xED\xED\xFB\xF5",
     "truncated TGA run-length data"},
    // сжатый блок TGA выходит за картинку
    {"\xF1\xE6\xE0\xF2\xFB\xE9 \xE1\xEB\xEE\xEA TGA \xE2\xFB\xF5\xEE\xE4\xE8\xF2 \xE7\xE0 "
     "\xEA\xE0\xF0\xF2\xE8\xED\xEA\xF3",
     "TGA run-length packet runs past the picture"},
    // это не файл BMP
    {"\xFD\xF2\xEE \xED\xE5 \xF4\xE0\xE9\xEB BMP", "not a BMP file"},
    // такие цветовые маски BMP не поддерживаются
    {"\xF2\xE0\xEA\xE8\xE5 \xF6\xE2\xE5\xF2\xEE\xE2\xFB\xE5 \xEC\xE0\xF1\xEA\xE8 BMP \xED\xE5 "
     "\xEF\xEE\xE4\xE4\xE5\xF0\xE6\xE8\xE2\xE0\xFE\xF2\xF1\xFF",
     "unsupported BMP colour masks"},
    // сжатые файлы BMP не поддерживаются
    {"\xF1\xE6\xE0\xF2\xFB\xE5 \xF4\xE0\xE9\xEB\xFB BMP \xED\xE5 "
     "\xEF\xEE\xE4\xE4\xE5\xF0\xE6\xE8\xE2\xE0\xFE\xF2\xF1\xFF",
     "compressed BMP files are not supported"},
    // такой заголовок BMP не поддерживается
    {"\xF2\xE0\xEA\xEE\xE9 \xE7\xE0\xE3\xEE\xEB\xEE\xE2\xEE\xEA BMP \xED\xE5 "
     "\xEF\xEE\xE4\xE4\xE5\xF0\xE6\xE8\xE2\xE0\xE5\xF2\xF1\xFF",
     "unsupported BMP header"},
    // файл BMP обрывается в заголовке
    {"\xF4\xE0\xE9\xEB BMP \xEE\xE1\xF0\xFB\xE2\xE0\xE5\xF2\xF1\xFF \xE2 "
     "\xE7\xE0\xE3\xEE\xEB\xEE\xE2\xEA\xE5",
     "truncated BMP header"},
    // глубина цвета BMP {} не поддерживается
    {"\xE3\xEB\xF3\xE1\xE8\xED\xE0 \xF6\xE2\xE5\xF2\xE0 BMP {} \xED\xE5 "
     "\xEF\xEE\xE4\xE4\xE5\xF0\xE6\xE8\xE2\xE0\xE5\xF2\xF1\xFF",
     "unsupported BMP pixel depth {}"},
    // неверная высота BMP
    {"\xED\xE5\xE2\xE5\xF0\xED\xE0\xFF \xE2\xFB\xF1\xEE\xF2\xE0 BMP", "bad BMP height"},
    // неверный размер BMP {}
    {"\xED\xE5\xE2\xE5\xF0\xED\xFB\xE9 \xF0\xE0\xE7\xEC\xE5\xF0 BMP {}", "bad BMP size {}"},
    // файл BMP обрывается в палитре
    {"\xF4\xE0\xE9\xEB BMP \xEE\xE1\xF0\xFB\xE2\xE0\xE5\xF2\xF1\xFF \xE2 "
     "\xEF\xE0\xEB\xE8\xF2\xF0\xE5",
     "truncated BMP palette"},
    // файл BMP обрывается в точках картинки
    {"\xF4\xE0\xE9\xEB BMP \xEE\xE1\xF0\xFB\xE2\xE0\xE5\xF2\xF1\xFF \xE2 \xF2\xEE\xF7\xEA\xE0\xF5 "
     "\xEA\xE0\xF0\xF2\xE8\xED\xEA\xE8",
     "truncated BMP pixel data"},
    // картинки нет (ни .bmp, ни .tga)
    {"\xEA\xE0\xF0\xF2\xE8\xED\xEA\xE8 \xED\xE5\xF2 (\xED\xE8 .bmp, \xED\xE8 .tga)",
     "the picture is missing (neither .bmp nor .tga)"},
    // файла нет
    {"\xF4\xE0\xE9\xEB\xE0 \xED\xE5\xF2", "the file is missing"},
    // файл только для чтения
    {"\xF4\xE0\xE9\xEB \xF2\xEE\xEB\xFC\xEA\xEE \xE4\xEB\xFF \xF7\xF2\xE5\xED\xE8\xFF",
     "the file is read-only"},
    // не удаётся узнать размер файла
    {"\xED\xE5 \xF3\xE4\xE0\xB8\xF2\xF1\xFF \xF3\xE7\xED\xE0\xF2\xFC \xF0\xE0\xE7\xEC\xE5\xF0 "
     "\xF4\xE0\xE9\xEB\xE0",
     "cannot read the file size"},
    // не удаётся прочитать файл
    {"\xED\xE5 \xF3\xE4\xE0\xB8\xF2\xF1\xFF \xEF\xF0\xEE\xF7\xE8\xF2\xE0\xF2\xFC \xF4\xE0\xE9\xEB",
     "cannot read the file"},
    // не удаётся открыть файл
    {"\xED\xE5 \xF3\xE4\xE0\xB8\xF2\xF1\xFF \xEE\xF2\xEA\xF0\xFB\xF2\xFC \xF4\xE0\xE9\xEB",
     "cannot open the file"},
    // файл слишком велик
    {"\xF4\xE0\xE9\xEB \xF1\xEB\xE8\xF8\xEA\xEE\xEC \xE2\xE5\xEB\xE8\xEA", "file is too large"},
    // не удаётся записать
    {"\xED\xE5 \xF3\xE4\xE0\xB8\xF2\xF1\xFF \xE7\xE0\xEF\xE8\xF1\xE0\xF2\xFC", "cannot be written"},
    // не удаётся прочитать: {*}
    {"\xED\xE5 \xF3\xE4\xE0\xB8\xF2\xF1\xFF \xEF\xF0\xEE\xF7\xE8\xF2\xE0\xF2\xFC: {*}",
     "cannot read: {*}"},
    // не удаётся создать: {*}
    {"\xED\xE5 \xF3\xE4\xE0\xB8\xF2\xF1\xFF \xF1\xEE\xE7\xE4\xE0\xF2\xFC: {*}",
     "cannot create: {*}"},
    // не удаётся записать: {*}
    {"\xED\xE5 \xF3\xE4\xE0\xB8\xF2\xF1\xFF \xE7\xE0\xEF\xE8\xF1\xE0\xF2\xFC: {*}",
     "cannot write: {*}"},
    // не удаётся заменить: {*}
    {"\xED\xE5 \xF3\xE4\xE0\xB8\xF2\xF1\xFF \xE7\xE0\xEC\xE5\xED\xE8\xF2\xFC: {*}",
     "cannot replace: {*}"},
    // не удаётся создать {}: {*}
    {"\xED\xE5 \xF3\xE4\xE0\xB8\xF2\xF1\xFF \xF1\xEE\xE7\xE4\xE0\xF2\xFC {}: {*}",
     "cannot create {}: {*}"},
    // нельзя писать в {}: {*}
    {"\xED\xE5\xEB\xFC\xE7\xFF \xEF\xE8\xF1\xE0\xF2\xFC \xE2 {}: {*}", "cannot write in {}: {*}"},
    // {} байт вместо {}
    {"{} \xE1\xE0\xE9\xF2 \xE2\xEC\xE5\xF1\xF2\xEE {}", "{} bytes instead of {}"},
    // нет домашней папки для настроек: задайте HOME (или переменные XDG_*_HOME)
    {"\xED\xE5\xF2 \xE4\xEE\xEC\xE0\xF8\xED\xE5\xE9 \xEF\xE0\xEF\xEA\xE8 \xE4\xEB\xFF "
     "\xED\xE0\xF1\xF2\xF0\xEE\xE5\xEA: \xE7\xE0\xE4\xE0\xE9\xF2\xE5 HOME (\xE8\xEB\xE8 "
     "\xEF\xE5\xF0\xE5\xEC\xE5\xED\xED\xFB\xE5 XDG_*_HOME)",
     "no home folder for the settings: set HOME (or the XDG_*_HOME variables)"},
    // значение вне допустимых пределов от {} до {}: {}
    {"\xE7\xED\xE0\xF7\xE5\xED\xE8\xE5 \xE2\xED\xE5 \xE4\xEE\xEF\xF3\xF1\xF2\xE8\xEC\xFB\xF5 "
     "\xEF\xF0\xE5\xE4\xE5\xEB\xEE\xE2 \xEE\xF2 {} \xE4\xEE {}: {}",
     "value outside the accepted range {} to {}: {}"},
    // значение не читается как число: {}
    {"\xE7\xED\xE0\xF7\xE5\xED\xE8\xE5 \xED\xE5 \xF7\xE8\xF2\xE0\xE5\xF2\xF1\xFF \xEA\xE0\xEA "
     "\xF7\xE8\xF1\xEB\xEE: {}",
     "value does not convert: {}"},
    // такой формат звука не поддерживается
    {"\xF2\xE0\xEA\xEE\xE9 \xF4\xEE\xF0\xEC\xE0\xF2 \xE7\xE2\xF3\xEA\xE0 \xED\xE5 "
     "\xEF\xEE\xE4\xE4\xE5\xF0\xE6\xE8\xE2\xE0\xE5\xF2\xF1\xFF",
     "unsupported sample format"},
    // слишком короткий для файла RIFF
    {"\xF1\xEB\xE8\xF8\xEA\xEE\xEC \xEA\xEE\xF0\xEE\xF2\xEA\xE8\xE9 \xE4\xEB\xFF "
     "\xF4\xE0\xE9\xEB\xE0 RIFF",
     "too short for a RIFF file"},
    // это не файл RIFF/WAVE
    {"\xFD\xF2\xEE \xED\xE5 \xF4\xE0\xE9\xEB RIFF/WAVE", "not a RIFF/WAVE file"},
    // размер блока RIFF {} выходит за конец файла
    {"\xF0\xE0\xE7\xEC\xE5\xF0 \xE1\xEB\xEE\xEA\xE0 RIFF {} \xE2\xFB\xF5\xEE\xE4\xE8\xF2 \xE7\xE0 "
     "\xEA\xEE\xED\xE5\xF6 \xF4\xE0\xE9\xEB\xE0",
     "RIFF chunk size {} runs past the end of the file"},
    // блок "{}" размером {} выходит за конец файла
    {"\xE1\xEB\xEE\xEA \"{}\" \xF0\xE0\xE7\xEC\xE5\xF0\xEE\xEC {} \xE2\xFB\xF5\xEE\xE4\xE8\xF2 "
     "\xE7\xE0 \xEA\xEE\xED\xE5\xF6 \xF4\xE0\xE9\xEB\xE0",
     "chunk \"{}\" size {} runs past the end of the file"},
    // нет блока "{}"
    {"\xED\xE5\xF2 \xE1\xEB\xEE\xEA\xE0 \"{}\"", "no \"{}\" chunk"},
    // блок "fmt " короче 16 байт
    {"\xE1\xEB\xEE\xEA \"fmt \" \xEA\xEE\xF0\xEE\xF7\xE5 16 \xE1\xE0\xE9\xF2",
     "\"fmt \" chunk is shorter than 16 bytes"},
    // блок "fmt " кончается раньше поля дополнительного размера
    {"\xE1\xEB\xEE\xEA \"fmt \" \xEA\xEE\xED\xF7\xE0\xE5\xF2\xF1\xFF \xF0\xE0\xED\xFC\xF8\xE5 "
     "\xEF\xEE\xEB\xFF \xE4\xEE\xEF\xEE\xEB\xED\xE8\xF2\xE5\xEB\xFC\xED\xEE\xE3\xEE "
     "\xF0\xE0\xE7\xEC\xE5\xF0\xE0",
     "\"fmt \" chunk ends before its extra-size field"},
    // дополнительный размер {} блока "fmt " выходит за конец блока
    {"\xE4\xEE\xEF\xEE\xEB\xED\xE8\xF2\xE5\xEB\xFC\xED\xFB\xE9 \xF0\xE0\xE7\xEC\xE5\xF0 {} "
     "\xE1\xEB\xEE\xEA\xE0 \"fmt \" \xE2\xFB\xF5\xEE\xE4\xE8\xF2 \xE7\xE0 \xEA\xEE\xED\xE5\xF6 "
     "\xE1\xEB\xEE\xEA\xE0",
     "\"fmt \" extra size {} runs past the end of the chunk"},
    // звуковое устройство не найдено; игра идёт без звука
    {"\xE7\xE2\xF3\xEA\xEE\xE2\xEE\xE5 \xF3\xF1\xF2\xF0\xEE\xE9\xF1\xF2\xE2\xEE \xED\xE5 "
     "\xED\xE0\xE9\xE4\xE5\xED\xEE; \xE8\xE3\xF0\xE0 \xE8\xE4\xB8\xF2 \xE1\xE5\xE7 "
     "\xE7\xE2\xF3\xEA\xE0",
     "no sound device was found; the game runs silent"},
    // нет карты {} в {}
    {"\xED\xE5\xF2 \xEA\xE0\xF0\xF2\xFB {} \xE2 {}", "no map {} in {}"},
    // карту {} не удалось загрузить
    {"\xEA\xE0\xF0\xF2\xF3 {} \xED\xE5 \xF3\xE4\xE0\xEB\xEE\xF1\xFC "
     "\xE7\xE0\xE3\xF0\xF3\xE7\xE8\xF2\xFC",
     "the map {} cannot be loaded"},
    // имя длиннее {} символов; переименуйте файл, чтобы играть на этой карте
    {"\xE8\xEC\xFF \xE4\xEB\xE8\xED\xED\xE5\xE5 {} \xF1\xE8\xEC\xE2\xEE\xEB\xEE\xE2; "
     "\xEF\xE5\xF0\xE5\xE8\xEC\xE5\xED\xF3\xE9\xF2\xE5 \xF4\xE0\xE9\xEB, \xF7\xF2\xEE\xE1\xFB "
     "\xE8\xE3\xF0\xE0\xF2\xFC \xED\xE0 \xFD\xF2\xEE\xE9 \xEA\xE0\xF0\xF2\xE5",
     "the name is longer than {} characters; rename the file to play it"},
    // экран не принял режим {}
    {"\xFD\xEA\xF0\xE0\xED \xED\xE5 \xEF\xF0\xE8\xED\xFF\xEB \xF0\xE5\xE6\xE8\xEC {}",
     "the display refused the mode {}"},
    // драйвер графики не поддерживает ARB vertex buffer objects
    {"\xE4\xF0\xE0\xE9\xE2\xE5\xF0 \xE3\xF0\xE0\xF4\xE8\xEA\xE8 \xED\xE5 "
     "\xEF\xEE\xE4\xE4\xE5\xF0\xE6\xE8\xE2\xE0\xE5\xF2 ARB vertex buffer objects",
     "the graphics driver lacks ARB vertex buffer objects"},
    // нет прав доступа
    {"\xED\xE5\xF2 \xEF\xF0\xE0\xE2 \xE4\xEE\xF1\xF2\xF3\xEF\xE0", "Permission denied"},
    // файловая система только для чтения
    {"\xF4\xE0\xE9\xEB\xEE\xE2\xE0\xFF \xF1\xE8\xF1\xF2\xE5\xEC\xE0 \xF2\xEE\xEB\xFC\xEA\xEE "
     "\xE4\xEB\xFF \xF7\xF2\xE5\xED\xE8\xFF",
     "Read-only file system"},
    // на диске нет места
    {"\xED\xE0 \xE4\xE8\xF1\xEA\xE5 \xED\xE5\xF2 \xEC\xE5\xF1\xF2\xE0", "No space left on device"},
    // это не папка
    {"\xFD\xF2\xEE \xED\xE5 \xEF\xE0\xEF\xEA\xE0", "Not a directory"},
    // это папка
    {"\xFD\xF2\xEE \xEF\xE0\xEF\xEA\xE0", "Is a directory"},
    // нет такого файла или папки
    {"\xED\xE5\xF2 \xF2\xE0\xEA\xEE\xE3\xEE \xF4\xE0\xE9\xEB\xE0 \xE8\xEB\xE8 \xEF\xE0\xEF\xEA\xE8",
     "No such file or directory"},
    // файл уже существует
    {"\xF4\xE0\xE9\xEB \xF3\xE6\xE5 \xF1\xF3\xF9\xE5\xF1\xF2\xE2\xF3\xE5\xF2", "File exists"},
    // Maps received from a server.
    // имя {} — не имя файла карты
    {"\xE8\xEC\xFF {} \x97 \xED\xE5 \xE8\xEC\xFF \xF4\xE0\xE9\xEB\xE0 \xEA\xE0\xF0\xF2\xFB",
     "the name {} is not a map file name"},
    // на сервере нет карты {}
    {"\xED\xE0 \xF1\xE5\xF0\xE2\xE5\xF0\xE5 \xED\xE5\xF2 \xEA\xE0\xF0\xF2\xFB {}",
     "the server has no map {}"},
    // сервер прислал {} с двумя разными размерами
    {"\xF1\xE5\xF0\xE2\xE5\xF0 \xEF\xF0\xE8\xF1\xEB\xE0\xEB {} \xF1 \xE4\xE2\xF3\xEC\xFF "
     "\xF0\xE0\xE7\xED\xFB\xEC\xE8 \xF0\xE0\xE7\xEC\xE5\xF0\xE0\xEC\xE8",
     "the server sent {} with two sizes"},
    // сервер прислал часть за пределами {}
    {"\xF1\xE5\xF0\xE2\xE5\xF0 \xEF\xF0\xE8\xF1\xEB\xE0\xEB \xF7\xE0\xF1\xF2\xFC \xE7\xE0 "
     "\xEF\xF0\xE5\xE4\xE5\xEB\xE0\xEC\xE8 {}",
     "the server sent a piece outside {}"},
    // сервер не прислал {}
    {"\xF1\xE5\xF0\xE2\xE5\xF0 \xED\xE5 \xEF\xF0\xE8\xF1\xEB\xE0\xEB {}",
     "the server did not send {}"},
    // {} уже есть
    {"{} \xF3\xE6\xE5 \xE5\xF1\xF2\xFC", "{} is already there"},
    // не удаётся сохранить {}: {*}
    {"\xED\xE5 \xF3\xE4\xE0\xB8\xF2\xF1\xFF \xF1\xEE\xF5\xF0\xE0\xED\xE8\xF2\xFC {}: {*}",
     "cannot keep {}: {*}"},
    // не удаётся записать {}
    {"\xED\xE5 \xF3\xE4\xE0\xB8\xF2\xF1\xFF \xE7\xE0\xEF\xE8\xF1\xE0\xF2\xFC {}",
     "cannot write {}"},
};

bool IsSlot(std::string_view text) {
    return text.starts_with("{}") || text.starts_with("{*}");
}

size_t SlotLength(std::string_view text) {
    return text.starts_with("{}") ? 2 : 3;
}

// Matches `text` to `wording`, the shortest value first in each slot; `values` gets them. A value
// ends only where the wording's next words follow it, so a long line is no long search.
bool Matches(std::string_view wording, std::string_view text, std::vector<std::string>& values) {
    const size_t slot = wording.find('{');
    if (slot == std::string_view::npos) return wording == text;
    if (text.substr(0, slot) != wording.substr(0, slot)) return false;
    const std::string_view rest = wording.substr(slot + SlotLength(wording.substr(slot)));
    text.remove_prefix(slot);
    if (rest.empty()) {
        values.emplace_back(text);
        return !text.empty();
    }
    const std::string_view follows = rest.substr(0, rest.find('{'));
    for (size_t end = text.find(follows, 1); end != std::string_view::npos;
         end = text.find(follows, end + 1)) {
        values.emplace_back(text.substr(0, end));
        if (Matches(rest, text.substr(end), values)) return true;
        values.pop_back();
    }
    return false;
}

std::string Worded(std::string_view wording, const std::vector<std::string>& values,
                   Language language) {
    std::string said;
    size_t next = 0;
    while (!wording.empty()) {
        if (!IsSlot(wording) || next >= values.size()) {
            said += wording.front();
            wording.remove_prefix(1);
            continue;
        }
        const bool detail = wording.starts_with("{*}");
        said += detail ? DetailInLanguage(values[next], language) : values[next];
        ++next;
        wording.remove_prefix(SlotLength(wording));
    }
    return said;
}

// The wording of `what`, the part of a detail after its place; false when none fits.
bool WordAnew(std::string_view what, Language language, std::string& said) {
    for (const Phrase& wording : kDetailWordings) {
        std::vector<std::string> values;
        if (!Matches(wording.english, what, values)) continue;
        // A wording that opens with a value must not swallow the place ("file:line: ").
        if (IsSlot(wording.english) && values.front().find(':') != std::string::npos) continue;
        said = Worded(Say(wording, language), values, language);
        return true;
    }
    return false;
}

}  // namespace

std::string DetailInLanguage(const std::string& detail, Language language) {
    // A detail may quote a line of any length from a file; one that long is shown as it is.
    constexpr size_t kLongestWorded = 1024;
    if (language == Language::kEnglish || detail.size() > kLongestWorded) return detail;
    // The place is everything before the first ": " after which the rest has a wording.
    for (size_t from = 0; from != std::string::npos;) {
        std::string said;
        if (WordAnew(std::string_view(detail).substr(from), language, said))
            return detail.substr(0, from) + said;
        const size_t colon = detail.find(": ", from);
        from = colon == std::string::npos ? colon : colon + 2;
    }
    return detail;
}

std::string FootLineText(const FootLine& line, Language language) {
    return std::string(Say(line.headline, language)) + ": " +
           DetailInLanguage(line.detail, language);
}
