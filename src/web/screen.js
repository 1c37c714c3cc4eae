// The game's screen as page text: what the game writes, laid out by the
// browser in the page's log, cleared where the game clears its console, each
// board also given as a table and its last shot put in words for the next
// announcement.

const screen = document.getElementById("screen");
const spokenNow = document.getElementById("spoken");
const clearing = "\x1b[H\x1b[2J";
const markNames = { ".": "water", X: "hit", "*": "miss" };

let unread = ""; // written, not yet on screen: the end of a line or of a clearing
let text = null; // the text block being written, null after a board
let boardLines = null; // the board being drawn, line by line, null between boards
let lastBoard = null; // the marks of this game's last board, null between games
let shots = 0;
let spoken = []; // what is new since the player's last answer: text, and shots

// A new game starts on an empty screen.
export function resetScreen() {
    unread = "";
    boardLines = null;
    lastBoard = null;
    spoken = [];
    clearScreen();
}

// Takes the game's text. Every line after the clearing is the board, up to
// its last row; everything else is text, which wraps as a terminal of the
// screen's width wraps it.
export function write(written) {
    unread += written;
    while (unread !== "") {
        if (boardLines !== null) {
            const end = unread.indexOf("\n");
            if (end < 0) {
                break;
            }
            boardLines.push(unread.slice(0, end));
            unread = unread.slice(end + 1);
            if (boardLines.length === 2 && !boardLines[1].startsWith("  /")) {
                addText(boardLines.join("\n") + "\n"); // not a board after all
                boardLines = null;
            } else if (boardLines.length > 1 && boardLines.length === (boardLines[1].length - 3) / 2 + 2) {
                drawBoard(boardLines);
                boardLines = null;
            }
            continue;
        }
        const escape = unread.indexOf("\x1b");
        if (escape !== 0) {
            addText(escape < 0 ? unread : unread.slice(0, escape));
            unread = escape < 0 ? "" : unread.slice(escape);
        } else if (unread.startsWith(clearing)) {
            unread = unread.slice(clearing.length);
            clearScreen();
            boardLines = [];
        } else if (clearing.startsWith(unread)) {
            break; // the rest of the clearing comes with the next write
        } else {
            unread = unread.slice(1); // no other escape is drawn
        }
    }
    screen.scrollTop = screen.scrollHeight;
}

// The player's answer as a terminal echoes it: shown, and not said again.
export function echo(answer) {
    textBlock().append(answer);
    screen.scrollTop = screen.scrollHeight;
}

// As a console's clearing: nothing is left, and the next text starts a
// block of its own.
function clearScreen() {
    screen.replaceChildren();
    text = null;
}

// The block the next text goes in: a new one after a board or a clearing.
function textBlock() {
    if (text === null) {
        text = document.createElement("div");
        text.className = "text";
        screen.append(text);
    }
    return text;
}

// Text is shown and kept to be said. The sinking message makes the last
// shot a sinking one and ends the game's boards.
function addText(added) {
    textBlock().append(added);
    spoken.push(added);
    if (added.includes("You sunk my ship")) {
        const shot = spoken.findLast((part) => typeof part === "object");
        if (shot) {
            shot.sunk = true;
        }
        lastBoard = null;
    }
}

// The board as drawn, in a box of its own that scrolls sideways when it is
// wider than the screen, and as a table for screen readers: a header for
// each column and row, and each square named by its mark.
function drawBoard(lines) {
    const board = document.createElement("div");
    board.className = "board";
    board.tabIndex = 0;
    board.setAttribute("role", "group");
    board.setAttribute("aria-label", "Board");
    const drawn = document.createElement("pre");
    drawn.setAttribute("aria-hidden", "true");
    drawn.textContent = lines.join("\n");
    const size = lines.length - 2;
    const marks = lines.slice(2).map((row) => Array.from({ length: size }, (_, across) => row[3 + 2 * across]));
    const unseen = document.createElement("div");
    unseen.className = "unseen";
    unseen.append(boardTable(marks));
    board.append(drawn, unseen);
    screen.append(board);
    text = null;
    spoken.push(shotOn(marks));
    lastBoard = marks;
}

// The table a screen reader moves through: a caption, the headers, and a
// cell for each square.
function boardTable(marks) {
    const table = document.createElement("table");
    table.createCaption().textContent = `Board, ${marks.length} by ${marks.length}: Across is the column, Down the row`;
    const header = table.createTHead().insertRow();
    header.append(document.createElement("td"));
    const body = table.createTBody();
    marks.forEach((row, down) => {
        const column = document.createElement("th"); // as many columns as rows
        column.scope = "col";
        column.textContent = `Across ${down + 1}`;
        header.append(column);
        const line = body.insertRow();
        const rowHeader = document.createElement("th");
        rowHeader.scope = "row";
        rowHeader.textContent = `Down ${down + 1}`;
        line.append(rowHeader);
        for (const mark of row) {
            line.insertCell().textContent = markNames[mark] || mark;
        }
    });
    return table;
}

// The shot a board shows: on the first board of a game, none; on each
// later one, the square that changed, whose mark says how it went, or none
// when a square was shot again.
function shotOn(marks) {
    if (lastBoard === null || lastBoard.length !== marks.length) {
        shots = 0;
        return { size: marks.length, shots };
    }
    shots += 1;
    let square = null;
    marks.forEach((row, down) => row.forEach((mark, across) => {
        if (mark !== lastBoard[down][across]) {
            square = `Across ${across + 1}, Down ${down + 1}: ${markNames[mark] || mark}`;
        }
    }));
    return { square, shots, sunk: false };
}

// "Across 3, Down 7: miss. 5 shots.", with "sunk" after the last hit.
function inWords(shot) {
    if (shot.shots === 0) {
        return `A board of ${shot.size} by ${shot.size} squares, all water.`;
    }
    const square = shot.square ?? (shot.sunk ? "A square shot before: hit" : "A square shot before");
    return `${square}${shot.sunk ? ", sunk" : ""}. ${shot.shots} shot${shot.shots === 1 ? "" : "s"}.`;
}

// Says what is new since the player's last answer, once, now that the game
// waits for the next: the text as written, each board as the shot in words.
export function announce() {
    const words = spoken.map((part) => (typeof part === "string" ? part : inWords(part))).join("\n").replace(/\s+/g, " ").trim();
    spoken = [];
    if (words !== "") {
        const said = document.createElement("p");
        said.textContent = words;
        spokenNow.replaceChildren(said);
    }
}
