// The catalogue's Spanish texts, one row per row of the English ones and in the same order.
#pragma once

#include <array>
#include <string_view>

namespace kinwise::modMayanNumerology {

// Name is the sign's name where the English catalogue gives its English name.
struct SpanishSignWords
{
    std::string_view Name;
    std::string_view Keywords;
    std::string_view Gemstone;
    std::string_view Significance;
};

// clang-format off
inline constexpr std::array<std::string_view, 13> ToneNamesEs{
    "Magnético", "Lunar", "Eléctrico", "Autoexistente", "Entonado", "Rítmico", "Resonante",
    "Galáctico", "Solar", "Planetario", "Espectral", "Cristal", "Cósmico"};

inline constexpr std::array<std::string_view, 13> ToneDescriptionsEs{
    "Poder y gran fuerza son las palabras clave que describen este número de día, el primero de "
    "los trece tonos, llamado Magnético. El uno es la chispa que inicia todo ciclo: reúne "
    "personas, ideas y oportunidades en torno a un solo propósito. Quienes nacen bajo este tono "
    "son iniciadores natos que actúan antes de que los demás terminen de hablar. Su defecto es la "
    "impaciencia; pueden presionar tanto que quienes los acompañan se sienten arrastrados más que "
    "invitados.",
    "Equilibrio es la palabra clave que describe este número de día de la astrología maya, el "
    "segundo tono, conocido como Lunar. El dos es el número de la pareja: el día y la noche, dar "
    "y recibir, uno mismo y los demás. Quienes nacen en él perciben los dos lados de una cuestión "
    "y son excelentes mediadores, compañeros y consejeros. Sopesan cada opción con cuidado, lo "
    "que les evita errores precipitados, pero ese mismo cuidado puede volverse duda cuando una "
    "decisión no puede esperar. Confiar en su propio criterio les da firmeza.",
    "Versátil y comunicativo son las palabras clave que describen este número de día, el tercer "
    "tono, llamado Eléctrico. El tres añade movimiento a la quietud de la pareja, y quienes nacen "
    "en él llevan mensajes, unen grupos y mantienen viva la conversación. Aprenden rápido, pasan "
    "de una tarea a otra con soltura y gracia, y a menudo brillan como maestros, escritores o "
    "artistas. La inquietud es el precio de esa corriente veloz: pueden dejar proyectos a medias "
    "cuando algo novedoso les llama la atención.",
    "De nuevo, equilibrio es la palabra clave de este número de día del calendario, pero aquí "
    "descansa en la forma más que en la pareja. El cuatro, el tono Autoexistente, es el cuadrado "
    "de las cuatro direcciones y las cuatro estaciones. Las personas de este tono construyen "
    "cimientos: miden, planifican y dan forma a lo que otros solo imaginan. Son confiables y "
    "minuciosos, aunque pueden volverse rígidos y resistirse a los cambios que sus propios planes "
    "cuidadosos no previeron.",
    "El cinco es la “elevación de toda la creación”. El tono Entonado eleva el cuadrado estable "
    "del cuatro al añadirle un centro, el punto desde el que el poder irradia hacia afuera. "
    "Quienes nacen bajo este tono atraen la atención sin pedirla nunca; reúnen recursos y "
    "personas y los ponen a trabajar. El liderazgo les resulta fácil, y también la generosidad "
    "cuando se sienten seguros. El riesgo está en el orgullo y en la costumbre de tomar el mando "
    "donde bastaría con escuchar.",
    "Desequilibrio es la palabra clave que describe este número de día de la astrología maya, y "
    "el tono Rítmico lo convierte en movimiento. El seis es el paso que inclina una estructura "
    "hacia adelante, como el pie que se despega del suelo. Las personas de tono Rítmico son "
    "adaptables, organizadas y atentas al pulso de cualquier grupo. Encuentran orden en el "
    "cambio, pero pueden oscilar entre arranques de esfuerzo y periodos de descanso, y necesitan "
    "rutinas que las mantengan en su rumbo.",
    "“Energía para catalizar” es lo que describe este número de día de la cuenta, el séptimo "
    "tono, llamado Resonante. El siete es el centro de los trece, donde la mitad ascendente y la "
    "descendente se encuentran y se hacen eco. Quienes nacen en él son afinadores: perciben el "
    "ambiente de un lugar y pueden cambiarlo con una sola palabra bien elegida. Muchos se sienten "
    "atraídos por la música o la sanación. Como un diapasón dejado cerca del ruido, absorben "
    "demasiado y deben aprender a descansar en silencio.",
    "Autoridad masculina es la palabra clave de este número de día del tono Galáctico, el "
    "octavo. El ocho duplica las cuatro direcciones, y quienes nacen en él buscan la integridad, "
    "el acuerdo entre lo que creen y cómo viven. Fijan normas, exigen a los demás que las "
    "cumplan y suelen imponerse otras más estrictas. Esto les da una presencia serena y paternal "
    "con la que sus colegas cuentan en una crisis. Los problemas llegan cuando esas normas se "
    "vuelven control, o cuando no admiten que una regla que apreciaban ya no se ajusta a la "
    "situación.",
    "Autoridad femenina es la palabra clave que mejor describe este número de día, el noveno "
    "tono, llamado Solar. El nueve tiene la fuerza de una madre que protege y manda a la vez. "
    "Quienes nacen en él tienen intenciones claras y la resistencia para llevarlas a cabo. "
    "Cultivan el talento de los demás y guían con el ejemplo más que por decreto. En el peor de "
    "los casos, pueden volverse posesivos con las personas y los planes que han sacado adelante.",
    "La palabra clave que describe este número de día de la astrología maya es manifestación. El "
    "diez, el tono Planetario, es el punto en que los planes se convierten en cosas que se pueden "
    "tocar. Quienes nacen en él son productores: terminan lo que empiezan y les gusta ver "
    "resultados. Son prácticos, leales y saben administrar el dinero. Pueden apegarse demasiado a "
    "sus posesiones o al fruto de su trabajo.",
    "Resolución es la palabra clave que mejor describe este número de día, el undécimo tono, "
    "llamado Espectral. Las almas espectrales disuelven lo que ya no sirve y despejan el terreno "
    "para la renovación, aunque pueden dejar inquietud a su paso.",
    "Energía fuerte y abundante es la palabra clave del número de día doce, el tono Cristal. "
    "Quienes nacen en él son cooperativos y lúcidos; reúnen esfuerzos dispersos en un solo "
    "resultado compartido y son excelentes compañeros en cualquier equipo. El peligro está en "
    "repartir esa abundancia en demasiadas direcciones.",
    "Realización es la palabra clave que mejor describe este número de día, el trece, el tono "
    "Cósmico que cierra el ciclo. El trece guarda en la memoria toda la cuenta y abre la puerta a "
    "la siguiente. Quienes nacen en él son buscadores de sentido que ven cómo se enlazan los "
    "sucesos a lo largo de los años. A menudo alcanzan su plenitud en la madurez, tras una "
    "experiencia larga y rica. La evasión es su tentación: la mirada amplia puede alejarlos de "
    "los deberes diarios y de los lazos cercanos.",
};

inline constexpr std::array<SpanishSignWords, 20> SignWordsEs{{
    {"Mono", "Ingenioso y efusivo", "Aventurina", "Manifestación"},
    {"Camino", "Cuidadoso y útil", "Malaquita", "Resolución"},
    {"Caña", "Luchador y sabio", "Turquesa", "Comprensión"},
    {"Jaguar", "Introvertido e inteligente", "Piedra de luna", "Ascensión"},
    {"Águila", "Libre e independiente", "Unakita", "Unidad"},
    {"Sabiduría", "Erudito y con autoridad", "Cuarzo ahumado", "Dualidad"},
    {"Tierra", "Práctico e intelectual", "Ágata", "Acción"},
    {"Pedernal", "Romántico y autosuficiente", "Rodonita", "Estabilidad"},
    {"Tormenta", "Sanador y servicial", "Jade", "Empoderamiento"},
    {"Sol", "Cariñoso y creativo", "Cuarzo rosa", "Flujo"},
    {"Cocodrilo", "Protector y dominante", "Jaspe rojo", "Unidad"},
    {"Viento", "Perspicaz, vivaz y polifacético", "Sodalita", "Justicia"},
    {"Noche", "Conservador y reflexivo", "Obsidiana copo de nieve", "Paciencia"},
    {"Semilla", "Sensual, dinámico y enérgico", "Dumortierita", "Manifestación"},
    {"Serpiente", "Vigoroso, poderoso y carismático", "Amatista", "Resolución"},
    {"Transformador", "Servicial y abnegado", "Cornalina", "Comprensión"},
    {"Venado", "Nómada y cooperativo", "Amazonita", "Ascensión"},
    {"Estrella", "Ingenioso y jovial", "Hematita", "Unidad"},
    {"Ofrenda", "Emotivo e imaginativo", "Lapislázuli", "Dualidad"},
    {"Perro", "Servicial y leal", "Heliotropo", "Paciencia"},
}};

inline constexpr std::array<std::string_view, 20> SignDescriptionsEs{
    "El undécimo signo de la astrología maya es el Mono, que convierte el mundo en un escenario y "
    "cada hora en una ocasión para jugar. Ingeniosos y efusivos, quienes nacen bajo el Mono "
    "piensan rápido, ríen con facilidad y muestran lo que sienten en el momento en que lo "
    "sienten, lo que los convierte en una compañía magnética. Detrás de las bromas hay una mente "
    "aguda e inventiva: el Mono es el artesano del calendario, el que teje hilos, notas e ideas "
    "hasta crear algo que ayer no existía. Su significado es la manifestación, el don de dar "
    "forma sólida a una idea brillante, y su piedra es la aventurina, que, según se dice, "
    "favorece la suerte y un corazón alegre. Su lado oscuro es la inquietud. Cuando se aburren, "
    "los Monos dispersan sus talentos, empiezan diez proyectos y terminan dos, o usan el humor "
    "para esquivar una conversación seria. En el trabajo brillan en puestos dinámicos y "
    "cambiantes donde el ingenio cuenta más que la rutina. Su pareja debe reír con ellos y "
    "perdonarles alguna travesura, mientras que a sus amigos les parecen generosos, leales y "
    "siempre divertidos.",
    "El Camino, también conocido como la Hierba, es el duodécimo signo: la senda que sigue una "
    "vida y el humilde verdor que cubre cualquier sendero en cuanto los caminantes lo abandonan. "
    "Quienes nacen bajo este signo son cuidadosos y útiles: planean la ruta antes de salir, notan "
    "la piedra suelta con la que otros tropiezan y les gusta dejar un lugar más ordenado de lo "
    "que lo encontraron. Su significado es la resolución, la capacidad de zanjar un asunto y "
    "seguir adelante sin arrastrar viejas dudas, mientras que la malaquita, su piedra, se asocia "
    "con los viajes seguros y el crecimiento constante. Quienes nacen en el Camino son excelentes "
    "organizadores, enfermeros, ingenieros y guías de viaje. La preocupación es su punto débil. "
    "Se inquietan por los detalles, miden cada riesgo dos veces y pueden frenar a una pareja que "
    "anhela salirse del mapa. Para ellos, el cariño se expresa con pequeños favores más que con "
    "discursos, y sus amigos saben que alguien del Camino aparecerá con la herramienta justa en "
    "el momento justo.",
    "La Caña —decimotercer signo de la astrología maya y emblema del tallo hueco que crece recto "
    "junto al agua— pertenece al luchador que también es un sabio. Quienes nacen bajo la Caña son "
    "luchadores y sabios: sienten la injusticia en lo más hondo, pero prefieren ganar "
    "comprendiendo un problema antes que imponiéndose a gritos. La comprensión es precisamente el "
    "significado de este signo, y la turquesa, símbolo de la palabra clara y el valor sereno, es "
    "su piedra. Antiguamente las casas se construían con caña, y quienes nacen bajo ella protegen "
    "por instinto a quienes aman. Se desempeñan bien en la enseñanza, el derecho, la medicina y "
    "el trabajo comunitario. La rigidez es su peligro: seguros de tener la razón, pueden "
    "sermonear a los demás o rechazar ayuda por orgullo. Como pareja son fieles y protectores, y "
    "como amigos, sinceros hasta la brusquedad; con el tiempo aprenden que doblarse un poco es lo "
    "que impide que la caña se quiebre.",
    "El Jaguar es el decimocuarto signo de la astrología maya y representa el espíritu de la "
    "selva nocturna: silencioso, vigilante y mucho más poderoso de lo que parece a primera vista. "
    "Introvertidos e inteligentes, quienes nacen bajo el Jaguar observan antes de actuar y "
    "guardan para sí la mayor parte de sus pensamientos. Su significado es la ascensión, una "
    "lenta subida hacia la lucidez, y la piedra de luna, asociada a la intuición, va bien con su "
    "naturaleza introspectiva. Destacan en la investigación, la estrategia y la sanación. El "
    "secretismo puede jugarles en contra, pues los sentimientos ocultos durante demasiado tiempo "
    "se vuelven cavilaciones sombrías. El amor les pide confianza y espacio, y los pocos "
    "admitidos en su círculo ganan un aliado leal y perspicaz.",
    "Como su nombre lo indica, el decimoquinto signo del zodiaco maya es el Águila, el ave que "
    "surca las corrientes altas y abarca todo el valle de un vistazo. Libres e independientes, "
    "quienes nacen bajo el Águila odian las jaulas de cualquier tipo, ya sea una oficina aburrida "
    "o una pareja absorbente. Tienen visión, ambición y un don para detectar oportunidades mucho "
    "antes que los demás. Su significado es la unidad, la mirada amplia que une partes dispersas "
    "en una sola imagen, y la unakita es su piedra. Sus defectos son la impaciencia y una fría "
    "distancia que se interpreta como orgullo. Son planificadores audaces y, cuando se les da "
    "espacio para volar, resultan cálidos en el amor y en la amistad.",
    "La Sabiduría es el decimosexto signo de la astrología maya. Quienes nacen bajo ella son "
    "eruditos y tienen autoridad; son los sabios del grupo aun siendo jóvenes, apreciados por sus "
    "consejos pacientes y bien meditados. Su significado es la dualidad: sopesan lo viejo frente "
    "a lo nuevo y el corazón frente a la cabeza antes de decidir. El cuarzo ahumado, que da "
    "arraigo, es su piedra. Son buenos maestros, jueces y mentores. Bajo un aire severo suelen "
    "esconder dudas sobre sí mismos, y en el amor necesitan a alguien que los escuche.",
    "La Tierra, o el Terremoto, es el decimoséptimo signo de la astrología maya, el signo del "
    "suelo que parece firme hasta que de pronto se mueve. Quienes nacen bajo ella son prácticos e "
    "intelectuales, capaces de pensar un plan a fondo y luego construirlo con sus propias manos. "
    "La acción es su significado: prefieren mover un poco el mundo antes que solo hablar de él, y "
    "el ágata, que da estabilidad, es su piedra. Detectan patrones en los acontecimientos y a "
    "menudo presienten que se acerca un cambio. La terquedad y los repentinos arranques de mal "
    "genio son su riesgo. Incansables en el trabajo, son confiables, sencillos, con los pies en "
    "la tierra, y cálidos con sus parejas y amigos.",
    "El decimoctavo signo del zodiaco maya —el Pedernal— es la hoja de piedra que corta "
    "limpiamente y saca chispas. Quienes nacen bajo él son románticos y autosuficientes, una "
    "combinación poco común: adoran los grandes gestos y los sentimientos profundos, pero saben "
    "valerse por sí mismos sin ayuda de nadie. Las personas del Pedernal dicen la verdad sin "
    "rodeos y tienen poca paciencia con las mentiras o las promesas vagas. Su significado es la "
    "estabilidad, el filo seguro que da firmeza y rumbo a una vida, y la rodonita, asociada al "
    "equilibrio emocional, es su piedra. Son buenos cirujanos, críticos y jueces. Una lengua "
    "afilada y la costumbre de cortar lazos demasiado rápido pueden herir. Apasionados y leales "
    "en el amor, en la amistad son francos y de una rectitud a toda prueba.",
    "El decimonoveno signo del zodiaco maya —la Tormenta— trae truenos, lluvia y el aire fresco "
    "que viene después. Quienes nacen bajo la Tormenta son sanadores y serviciales, inclinados a "
    "aliviar el dolor y a barrer todo lo que se ha estancado. Su significado es el "
    "empoderamiento: dan a los demás la fuerza para empezar de nuevo. El jade, símbolo de la "
    "renovación y la larga vida, es su piedra. Se desempeñan bien en la medicina, la terapia y "
    "cualquier trabajo de rescate o reparación. El agotamiento es un riesgo real, como también lo "
    "es provocar dramas solo para sentirse vivos. En pareja son intensos y generosos, y sus "
    "amigos ven en ellos una presencia purificadora.",
    "Este es el vigésimo signo de la astrología maya. El Sol, o Señor, cierra el ciclo de los "
    "signos de día y brilla sobre todos ellos a la vez. Quienes nacen bajo él son cariñosos y "
    "creativos: irradian calidez y atraen a los demás con la misma naturalidad con que la luz del "
    "día atrae a las flores. Aman la belleza, el arte y una buena celebración, y a menudo lideran "
    "sin proponérselo. El significado del Sol es el flujo, un paso fácil de la energía de una "
    "persona a otra, y el cuarzo rosa, asociado a la ternura, es su piedra. La vanidad es su "
    "punto flaco, junto con un hambre de elogios que puede quemar a quienes los rodean. Muchos "
    "artistas, anfitriones y líderes son Soles, y quienes los aman o los llaman amigos reciben "
    "una generosa porción de luz.",
    "Según la astrología maya, el Cocodrilo es el primer signo de día. Es la madre primigenia del "
    "calendario, el dragón de las aguas profundas de las que la vida salió arrastrándose por "
    "primera vez hacia la orilla. Quienes nacen bajo él son protectores y dominantes: cuidan a su "
    "familia y a sus amigos como a un nido lleno de huevos, pero también les gusta mandar y "
    "pueden llevar un hogar con mano firme. La unidad es el significado del Cocodrilo, pues reúne "
    "a las personas en un solo círculo, y el jaspe rojo, símbolo de la vitalidad y el valor, es "
    "su piedra. Tienen muchos recursos, son inventivos y a menudo están entre los primeros en "
    "probar algo nuevo. Su defecto es ser posesivos, y responden con una feroz dentellada cuando "
    "se sienten amenazados. Destacan como directivos, fundadores y cuidadores. Cariñosos pero "
    "exigentes con su pareja, ofrecen a sus amigos un refugio al que vuelven durante años.",
    "El Viento es el segundo signo de día según el calendario maya, el soplo que lleva palabras, "
    "semillas y noticias por toda la tierra. Quienes nacen bajo el Viento son perspicaces, "
    "vivaces y polifacéticos; asimilan con facilidad idiomas, música e ideas nuevas, y les "
    "encanta compartir lo que han aprendido. Su significado es la justicia, y alzan la voz con "
    "fuerza por cualquiera que sea tratado injustamente. La sodalita, asociada a la comunicación "
    "clara y la lógica, es su piedra. Prosperan como escritores, oradores, maestros y mensajeros "
    "de toda clase. Su problema es la inconstancia: su ánimo cambia como las ráfagas, los planes "
    "se los lleva el viento y una promesa hecha en el desayuno puede estar olvidada al caer la "
    "noche. Para ellos, el amor necesita conversación y variedad, y sus amigos los aprecian por "
    "su ingenio, su imparcialidad y su mirada fresca.",
    "Tercer signo de la astrología maya, la Noche es la casa de la oscuridad, de los sueños y de "
    "las horas tranquilas antes del amanecer. Quienes nacen bajo la Noche son conservadores y "
    "reflexivos. Aprecian la tradición, guardan bien sus ahorros y prefieren un hogar conocido a "
    "una multitud ruidosa, pero bajo esa calma late un rico mundo interior de imágenes e ideas. "
    "La paciencia es su significado; esperan, reflexionan y actúan solo cuando se sienten listos, "
    "y la obsidiana copo de nieve, negra y salpicada de motas claras, es su piedra, imagen "
    "apropiada de la luz guardada dentro de la oscuridad. Los atraen los misterios de la mente y "
    "a menudo llevan un diario o siguen de cerca sus sueños. Cuando los hieren, se hunden en la "
    "tristeza y se retraen. En el trabajo son ahorradores cuidadosos y planificadores constantes. "
    "Tardan en confiar, pero una vez ganada su confianza aman profundamente, y sus amigos saben "
    "que tienen en ellos a alguien que escucha y guarda todos los secretos.",
    "La Semilla es el cuarto signo de la astrología maya y representa el grano de maíz, pequeño y "
    "dorado, que guarda en su interior toda una cosecha. Quienes nacen bajo la Semilla son "
    "sensuales, dinámicos y enérgicos, llenos del impulso de crecer, de crear y de traer nueva "
    "vida al mundo. Son emprendedores natos a quienes les encanta sembrar una idea y verla "
    "brotar. Su significado es la manifestación, el trabajo paciente de convertir lo posible en "
    "algo real, y la dumortierita, azul y asociada al orden y la autodisciplina, es su piedra. "
    "Radiantes de deseo y encanto, son parejas atractivas y compañeros animados. En su lado más "
    "oscuro, los resultados lentos les hacen perder la calma, y pueden exigir que los demás "
    "crezcan tan rápido como ellos. También tienden a aferrarse a todo lo que han sembrado. Se "
    "desempeñan bien en la agricultura, los negocios, el diseño y cualquier campo donde haya que "
    "cultivar ideas. Apasionados y fértiles en todos los sentidos, son aliados alentadores que "
    "ayudan a florecer a quienes los rodean.",
    "Quinto signo de la astrología maya, la Serpiente es el signo de la fuerza vital enroscada en "
    "la base de la columna y del instinto primario del cuerpo. Quienes nacen bajo la Serpiente "
    "son vigorosos, poderosos y carismáticos; se mueven con determinación y se imponen sin alzar "
    "la voz. Su significado es la resolución, y una vez que deciden, nada los desvía. La "
    "amatista, símbolo de la calma y del juicio sereno, es su piedra y enfría su ardor. Los celos "
    "acechan en ellos, y pueden atacar demasiado rápido. Se desempeñan bien en el liderazgo, el "
    "deporte y el espectáculo, así como en cualquier trabajo que exija temple. Sensuales e "
    "intensos en el amor, son muy protectores con sus amigos.",
    "El Transformador es el sexto signo de la astrología maya. También llamado Muerte, no es "
    "tanto un final como un tránsito: mudar una piel vieja para que algo nuevo pueda vivir. "
    "Quienes nacen bajo este signo son serviciales y abnegados, dispuestos a sacrificar su "
    "tiempo, su comodidad e incluso sus ambiciones por el bien de los demás. Su significado es la "
    "comprensión, porque entienden los ciclos de pérdida y renovación mejor que la mayoría, y la "
    "cornalina, de un cálido color anaranjado y asociada al valor, es su piedra. Suelen mantener "
    "la calma en una crisis y pueden guiar a sus amigos en momentos de duelo o de conmoción. "
    "Corren el riesgo de descuidarse a sí mismos y dar hasta quedarse sin nada. Se desempeñan "
    "bien en la enfermería, la orientación psicológica, los cuidados paliativos y la mediación. "
    "Entregados a su pareja, son también los amigos que se quedan cuando todos los demás se van.",
    "Séptimo signo de la astrología maya, el Venado es el grácil errante de la orilla del bosque, "
    "atento a cada sonido y listo para escapar de un salto. Quienes nacen bajo el Venado son "
    "nómadas y cooperativos: les encantan los viajes, los paisajes nuevos y cambiar de domicilio, "
    "pero dondequiera que vayan se integran con facilidad en un equipo y lo ayudan a funcionar en "
    "armonía. El venado era también el signo del cazador y del curandero, por lo que quienes "
    "nacen bajo él suelen mostrar un don para rastrear respuestas y para cuidar a los enfermos. "
    "Su significado es la ascensión, un avance constante hacia una visión más elevada de la vida, "
    "y la amazonita, de un relajante verde azulado, es su piedra. La timidez los frena, junto con "
    "el impulso de huir antes que enfrentar un conflicto y la aversión a quedar atados. En lo "
    "profesional prosperan en puestos que combinan movimiento y colaboración, como la labor de "
    "guía, la ciencia de campo o la diplomacia. Dulces y atentos en el amor, aunque ávidos de "
    "libertad, son amigos amables, pacíficos y generosos.",
    "El octavo signo de la astrología maya —la Estrella— es el signo de Venus, el planeta "
    "brillante que los mayas observaban con gran atención, y del conejo que se multiplica allí "
    "donde se asienta. Quienes nacen bajo ella son ingeniosos y joviales: alegran cualquier "
    "reunión, cuentan historias magníficas y le encuentran el lado gracioso a casi todo. También "
    "tienen un fino sentido de la armonía y la belleza, y muchos se sienten atraídos por la "
    "música, el arte o el diseño. Su significado es la unidad, porque unen a las personas y hacen "
    "que los desconocidos se sientan como viejos amigos. La hematita, de un gris plateado que da "
    "arraigo, es su piedra y ayuda a anclar un espíritu que podría salir flotando. Las personas "
    "de la Estrella atraen la abundancia, pero también pueden dispersarla. Sus defectos son la "
    "vanidad, el derroche y un miedo al conflicto que los lleva a evitar las verdades difíciles. "
    "Se desempeñan bien en cualquier puesto que requiera encanto. Juguetones y cariñosos en el "
    "amor, son para sus amigos una compañía alegre y leal.",
    "La Ofrenda o el Agua —noveno signo del zodiaco maya— es el signo de la lluvia que alimenta "
    "los campos y de los dones que se entregan en señal de gratitud. Quienes nacen bajo ella son "
    "emotivos e imaginativos. Los sentimientos los recorren como un río, unas veces sereno y "
    "claro, otras desbordado, y tienen una vida interior intensa, llena de imágenes, historias y "
    "sueños. Su significado es la dualidad: oscilan entre dar y necesitar, entre la alegría y la "
    "tristeza, y con el tiempo aprenden a conciliar ambos extremos. El lapislázuli, de un azul "
    "profundo y asociado a la intuición y a la palabra sincera, es su piedra. Las personas de la "
    "Ofrenda son sensibles al ambiente y a menudo sienten lo que otros no pueden decir. Destacan "
    "como artistas, poetas, sanadores o en cualquier labor ligada a los sentimientos. Los cambios "
    "de humor los perturban, y tienden a cargar con culpas que no les corresponden. Tiernos y "
    "entregados en el amor, son los primeros entre sus amigos en tender una mano, compartir una "
    "comida o dar una palabra amable.",
    "Los perros son conocidos por tener el carácter más leal y servicial de todos los animales, y "
    "este signo, el décimo de la cuenta tradicional, encarna ese mismo espíritu. Quienes nacen "
    "bajo el Perro son serviciales y leales, guardianes de su manada que apoyan a un amigo contra "
    "viento y marea. Valoran la honestidad, el juego limpio y un hogar cálido, y notan enseguida "
    "cuando alguien a quien quieren está en apuros. Su significado es la paciencia: están "
    "dispuestos a esperar, a escuchar y a perdonar. El heliotropo, verde oscuro salpicado de rojo "
    "y asociado desde hace mucho al valor, es su piedra. Las personas del Perro trabajan bien en "
    "equipo y son colegas, cuidadores, rescatistas y protectores de confianza. Pueden ladrarles a "
    "los extraños, guardar rencor mucho tiempo cuando se sienten traicionados y ser leales a "
    "personas que no lo merecen. Fieles y cariñosos en el amor, son sencillamente los mejores "
    "amigos que uno podría desear.",
};
// clang-format on

} // namespace kinwise::modMayanNumerology
