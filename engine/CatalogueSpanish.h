// The catalogue's Spanish texts, one row per row of the English ones and in the same order.
#pragma once

#include <array>
#include <string_view>

namespace kinwise::modMayanNumerology {

// clang-format off
inline constexpr std::array<std::string_view, 13> ToneNamesEs{
    "Magnético", "Lunar", "Eléctrico", "Autoexistente", "Entonado", "Rítmico", "Resonante",
    "Galáctico", "Solar", "Planetario", "Espectral", "Cristal", "Cósmico"};

inline constexpr std::array<std::string_view, 13> ToneDescriptionsEs{
    "Poder y gran fuerza son las palabras clave que describen este número de día, el primero de "
    "los trece tonos, llamado Magnético. El uno es la chispa que inicia todo ciclo: reúne "
    "personas, ideas y oportunidades en torno a un solo propósito. Quienes nacen bajo este tono "
    "son iniciadores natos que actúan antes de que los demás terminen de hablar. Su defecto es "
    "la impaciencia; pueden empujar con tanta fuerza que quienes los acompañan se sientan "
    "arrastrados más que invitados.",
    "Equilibrio es la palabra clave que describe este número de día de la astrología maya, el "
    "segundo tono, conocido como Lunar. El dos es el número de la pareja: el día y la noche, dar "
    "y recibir, uno mismo y los demás. Quienes nacen en él perciben los dos lados de una "
    "cuestión y son excelentes mediadores, compañeros y consejeros. Sopesan cada opción con "
    "cuidado, lo que les evita errores precipitados, pero ese mismo cuidado puede volverse duda "
    "cuando una decisión no puede esperar. Confiar en su propio criterio les da firmeza.",
    "Versátil y comunicativo son las palabras clave que describen este número de día, el tercer "
    "tono, llamado Eléctrico. El tres añade movimiento a la quietud de la pareja, y sus nativos "
    "llevan mensajes, unen grupos y mantienen viva la conversación. Aprenden rápido, pasan de "
    "una tarea a otra con soltura y gracia, y a menudo brillan como maestros, escritores o "
    "artistas. La inquietud es el precio de esa corriente veloz: pueden dejar proyectos a medias "
    "cuando algo más nuevo les llama la atención.",
    "De nuevo, equilibrio es la palabra clave de este número de día del calendario, pero aquí "
    "descansa en la forma más que en la pareja. El cuatro, el tono Autoexistente, es el cuadrado "
    "de las cuatro direcciones y las cuatro estaciones. Sus nativos construyen cimientos: miden, "
    "planifican y dan forma a lo que otros solo imaginan. Son confiables y minuciosos, aunque "
    "pueden volverse rígidos y resistirse a los cambios que sus propios planes cuidadosos no "
    "previeron.",
    "El cinco es la «elevación de toda la creación». El Entonado eleva el cuadrado estable del "
    "cuatro al añadirle un centro, el punto desde el que el poder irradia hacia afuera. Quienes "
    "nacen bajo este tono atraen la atención sin pedirla nunca; reúnen recursos y personas y los "
    "ponen a trabajar. El liderazgo les resulta fácil, y también la generosidad cuando se "
    "sienten seguros. El riesgo está en el orgullo y en la costumbre de tomar el mando donde "
    "bastaría con escuchar.",
    "Desequilibrio es la palabra clave que describe este número de día de la astrología maya, y "
    "el tono Rítmico lo convierte en movimiento. El seis es el paso que inclina una estructura "
    "hacia adelante, como el pie que se despega del suelo. Las personas de tono Rítmico son "
    "adaptables, organizadas y atentas al pulso de cualquier grupo. Encuentran orden en el "
    "cambio, pero pueden oscilar entre arranques de esfuerzo y descanso, y necesitan rutinas que "
    "las mantengan en su rumbo.",
    "«Energía para catalizar» es lo que describe este número de día de la cuenta, el séptimo "
    "tono, llamado Resonante. El siete es el centro de los trece, donde la mitad ascendente y la "
    "descendente se encuentran y se hacen eco. Sus nativos son afinadores: perciben el ánimo de "
    "una sala y pueden cambiarlo con una sola palabra bien elegida. Muchos se sienten atraídos "
    "por la música o la sanación. Como un diapasón que se deja cerca del ruido, absorben "
    "demasiado y deben aprender a descansar en silencio.",
    "Autoridad masculina es la palabra clave que describe este número de día del tono Galáctico, "
    "el octavo. El ocho duplica las cuatro direcciones, y quienes nacen en él buscan la "
    "integridad, la coincidencia entre lo que creen y cómo viven. Fijan normas, exigen a los "
    "demás que las cumplan y suelen imponerse a sí mismos otras más estrictas. Esto les da una "
    "presencia serena y paternal con la que sus colegas cuentan en una crisis. Los problemas "
    "empiezan cuando esas normas se endurecen hasta volverse control, o cuando no pueden admitir "
    "que una regla que apreciaban ya no se ajusta a la situación que tienen delante.",
    "Autoridad femenina es la palabra clave que mejor describe este número de día, el noveno, o "
    "tono Solar. El nueve tiene la fuerza de una madre que protege y manda a la vez. Sus nativos "
    "tienen intenciones claras y la resistencia para llevarlas a cabo. Cultivan el talento de "
    "los demás y guían con el ejemplo más que por decreto. En su peor momento pueden volverse "
    "posesivos con las personas y los planes que han sacado adelante.",
    "La palabra clave que describe este número de día en particular de la astrología maya es "
    "manifestación. El diez, el tono Planetario, es donde los planes se convierten en cosas que "
    "se pueden tocar. Quienes nacen en él son productores: terminan lo que empiezan y les gusta "
    "ver resultados. Son prácticos, leales y buenos con el dinero. Pueden apegarse demasiado a "
    "sus posesiones o al fruto de su trabajo.",
    "Resolución es la palabra clave que mejor describe este número de día, el undécimo, o tono "
    "Espectral. Las almas espectrales disuelven lo que ya no sirve y despejan el terreno para la "
    "renovación, aunque pueden dejar inquietud a su paso.",
    "Energía fuerte y abundante es la palabra clave del número de nacimiento doce, el tono "
    "Cristal. Sus nativos son cooperativos y lúcidos; reúnen esfuerzos dispersos en un solo "
    "resultado compartido y son excelentes compañeros en cualquier equipo. El peligro está en "
    "repartir esa abundancia en demasiadas direcciones.",
    "Realización es la palabra clave que mejor describe este número de nacimiento, el trece, el "
    "tono Cósmico que cierra el ciclo. El trece guarda en la memoria toda la cuenta y abre la "
    "puerta a la siguiente. Sus nativos son buscadores de sentido que ven cómo se enlazan los "
    "sucesos a lo largo de los años. A menudo alcanzan su plenitud tarde en la vida, tras una "
    "experiencia larga y rica. La evasión es su tentación: la mirada amplia puede alejarlos de "
    "los deberes diarios y de los lazos cercanos.",
};
// clang-format on

} // namespace kinwise::modMayanNumerology
