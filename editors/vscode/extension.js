// Starts `compattatore-cli lsp` for the line and train descriptions.
'use strict';
const vscode = require('vscode');
const { LanguageClient, TransportKind } = require('vscode-languageclient/node');

let client;

function activate(context) {
  const programma = vscode.workspace.getConfiguration('compattatore').get('server.path') || 'compattatore-cli';
  const server = { command: programma, args: ['lsp'], transport: TransportKind.stdio };
  client = new LanguageClient('compattatore', 'compattatore', { run: server, debug: server }, {
    documentSelector: [
      { scheme: 'file', language: 'compattatore-linea' },
      { scheme: 'file', language: 'compattatore-treno' },
      { scheme: 'untitled', language: 'compattatore-linea' },
      { scheme: 'untitled', language: 'compattatore-treno' },
    ],
  });
  context.subscriptions.push(client);
  return client.start();
}

function deactivate() {
  return client ? client.stop() : undefined;
}

module.exports = { activate, deactivate };
